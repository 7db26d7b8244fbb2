// SPDX-License-Identifier: GPL-3.0-or-later
// The "Imagerie" page, the date dialog and the "Calculs" page.
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

class ImagingTest : public ProgramTest {
protected:
    // A hand-entered sensor of square pixels behind a focal length typed in mm.
    MainForm& startWith(const std::string& diameter, const std::string& focal, const std::string& pixelWidth,
                        const std::string& pixelsY = "1000") {
        MainForm& f = start();
        f.userTypes(f.parametrage.eDiam, diameter);
        f.userTypes(f.parametrage.eFocale, focal);
        f.userPicks(f.parametrage.cbCapteurs, kManualRow);
        f.userTypes(f.parametrage.eNbPixelsX, "1500");
        f.userTypes(f.parametrage.eNbPixelsY, pixelsY);
        f.userTypes(f.parametrage.eTaillePixelsX, pixelWidth);
        return f;
    }

    void chooseDate(form::CalendarDate date) { ProgramTest::chooseDate(date, program->mainForm.imagerie.bbDate); }
};

TEST_F(ImagingTest, StartsOnJupiterForToday) {
    MainForm& f = start();
    EXPECT_EQ(f.imagerie.rgPlanetes.selected(), quarvel::ui::rowOf(quarvel::ephem::Body::Jupiter));
    EXPECT_EQ(f.imagerie.eDate.text(), "06/12/2026");
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "39.7");
    EXPECT_EQ(f.imagerie.labDiamAppSec.caption(), "\"");
    EXPECT_FALSE(f.imagerie.eDiamAnnSat.visible());
    EXPECT_TRUE(f.imagerie.eTolBouge.visible());
    EXPECT_FALSE(f.imagerie.eDiamApp.enabled());
    EXPECT_EQ(f.imagerie.eDiamCapt.text(), "56.2");  // 39.7" at 206.265 x 9 / 2628 = 0.706"/px
    EXPECT_EQ(f.imagerie.labPixCapt.caption(), "512");
    EXPECT_EQ(f.imagerie.eTps.text(), "191");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ImagingTest, SaturnShowsItsRings) {
    MainForm& f = start();
    chooseDate({2004, 1, 1});
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Saturn));
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "20.6");
    EXPECT_TRUE(f.imagerie.eDiamAnnSat.visible());
    EXPECT_EQ(f.imagerie.eDiamAnnSat.text(), "46.4");
    // The southern face seen, 25.5° open (PyEphem: -25.53°).
    EXPECT_EQ(f.imagerie.labInclinaison.caption(), "inclinaison -25.5°");
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Mars));
    EXPECT_FALSE(f.imagerie.labAnneaux.visible());
}

TEST_F(ImagingTest, TheSunInMinutesThenThePleiades) {
    MainForm& f = startWith("200", "206.265", "2");  // 2"/px
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Sun));
    EXPECT_FALSE(f.imagerie.eTolBouge.visible());
    EXPECT_TRUE(f.imagerie.eDate.visible());
    EXPECT_EQ(f.imagerie.eTps.text(), "");
    f.userClicks(f.imagerie.labCompoDiamApp);
    EXPECT_EQ(f.imagerie.labDiamAppSec.caption(), "'");
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "32.5");
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Pleiades));
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "60.0");
    EXPECT_EQ(f.imagerie.labDiamAppSec.caption(), "'");
    EXPECT_EQ(f.imagerie.eDiamCapt.text(), "1800.0");
    EXPECT_FALSE(f.imagerie.eDate.visible());
    f.userClicks(f.imagerie.labCompoDiamApp);
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "3600.0");
    EXPECT_EQ(f.imagerie.labDiamAppSec.caption(), "\"");
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Moon));
    f.userClicks(f.imagerie.labCompoDiamApp);
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Mars));  // a planet always shows seconds
    EXPECT_EQ(f.imagerie.labDiamAppSec.caption(), "\"");
}

TEST_F(ImagingTest, AManualValueIsTypedInSeconds) {
    MainForm& f = startWith("200", "206.265", "0.5");  // 0.5"/px
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Mars));
    const std::string mars = f.imagerie.eDiamApp.text();
    f.userSelects(f.imagerie.rgPlanetes, kManualValueRow);
    EXPECT_EQ(f.imagerie.eDiamApp.text(), mars);
    EXPECT_TRUE(f.imagerie.eDiamApp.enabled());
    f.userTypes(f.imagerie.eDiamApp, "10");
    EXPECT_EQ(f.imagerie.eDiamCapt.text(), "20.0");
    f.userTypes(f.imagerie.eDiamApp, "");
    EXPECT_EQ(texts({&f.imagerie.eDiamCapt, &f.imagerie.eTps}), (Strings{"", ""}));
    f.userTypes(f.imagerie.eDiamApp, "dix");
    EXPECT_EQ(reporter.messages, Strings{"'dix' n'est pas une valeur en virgule flottante correcte"});
}

TEST_F(ImagingTest, ToleranceRulesTheExposureLimit) {
    MainForm& f = startWith("200", "206.265", "2");
    f.userSelects(f.imagerie.rgPlanetes, kManualValueRow);
    f.userTypes(f.imagerie.eDiamApp, "100");  // 50 px
    f.userSelects(f.imagerie.rgPlanetes, quarvel::ui::rowOf(quarvel::ephem::Body::Mars));
    chooseDate({2003, 8, 28});
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "25.1");
    f.userTypes(f.imagerie.eTolBouge, "1000");
    EXPECT_EQ(f.imagerie.eTps.text(), "");
    f.userTypes(f.imagerie.eTolBouge, "abc");
    EXPECT_EQ(reporter.messages, Strings{"'abc' n'est pas une valeur en virgule flottante correcte"});
    f.userTypes(f.imagerie.eTolBouge, "1");
    EXPECT_EQ(f.imagerie.eDiamCapt.text(), "12.6");
    EXPECT_FALSE(f.imagerie.eTps.text().empty());
}

TEST_F(ImagingTest, TheOptimalFocalRatio) {
    MainForm& f = startWith("200", "2000", "7.4");
    EXPECT_EQ(texts({&f.imagerie.eFDAct, &f.imagerie.eFDOpti, &f.imagerie.eCoefMulti}),
              (Strings{"10.00", "25.46", "2.5"}));
    EXPECT_FALSE(f.imagerie.cbSurEch.visible());
    EXPECT_EQ(f.imagerie.cbSurEch.text(), "2");
}

TEST_F(ImagingTest, DeepSkySamplingFollowsTheSlider) {
    MainForm& f = startWith("200", "1000", "5.4");
    f.userSelects(f.imagerie.rgPlaCP, 1);
    EXPECT_TRUE(f.imagerie.pImaCP.visible());
    EXPECT_FALSE(f.imagerie.pImaPla.visible());
    EXPECT_FALSE(f.imagerie.rgPlanetes.visible());
    EXPECT_EQ(f.imagerie.pImaCP.left(), 24);
    EXPECT_EQ(f.imagerie.TrackBar1.position(), 15);
    EXPECT_EQ(texts({&f.imagerie.eFocAct2, &f.imagerie.eEchCP, &f.imagerie.eEchConsCP, &f.imagerie.eFocConsCP,
                     &f.imagerie.eFocCalcCP, &f.imagerie.eCoefCP}),
              (Strings{"1000", "1.11", "0.30", "3713", "557", "0.6"}));
    f.userMoves(f.imagerie.TrackBar1, 0);
    EXPECT_EQ(texts({&f.imagerie.eFocAct2, &f.imagerie.eEchCP, &f.imagerie.eEchConsCP, &f.imagerie.eFocConsCP,
                     &f.imagerie.eFocCalcCP, &f.imagerie.eCoefCP}),
              (Strings{"1000", "1.11", "0.30", "3713", "2228", "2.2"}));
    f.userMoves(f.imagerie.TrackBar1, 25);
    EXPECT_EQ(texts({&f.imagerie.eFocCalcCP, &f.imagerie.eCoefCP}), (Strings{"371", "0.4"}));
    f.userSelects(f.imagerie.rgPlaCP, 0);
    EXPECT_TRUE(f.imagerie.pImaPla.visible());
    EXPECT_FALSE(f.imagerie.pImaCP.visible());

    // The user's sky: 1.11" a pixel is well sampled under a 2.5" seeing,
    // undersampled under 1.5" in 2x2; the rule is said with its numbers.
    EXPECT_EQ(texts({&f.imagerie.eFWHM, &f.imagerie.eEchBinning}), (Strings{"2.5", "1.11"}));
    EXPECT_EQ(f.imagerie.labVerdict.caption(), "bien échantillonné");
    f.userTypes(f.imagerie.eFWHM, "1,5");
    f.userPicks(f.imagerie.cbBinning, 1);
    EXPECT_EQ(texts({&f.imagerie.eFWHM, &f.imagerie.eEchBinning}), (Strings{"1.5", "2.23"}));
    EXPECT_EQ(f.imagerie.labVerdict.caption(), "sous-échantillonné");
    EXPECT_TRUE(f.imagerie.labRegleEch.caption().starts_with(
        "2.23\" par pixel en 2x2 ; bien échantillonné de FWHM/3 = 0.50\" à FWHM/2 = 0.75\" (FWHM 1.5\")."))
        << f.imagerie.labRegleEch.caption();
    // A seeing that does not read is said, and neither the verdict nor the file changes.
    // The seeing is remembered once typed in full, not at each key on the way.
    f.userLeaves(f.imagerie.eFWHM);
    const std::string saved = iniBytes();
    for (const char* bad : {"0", "-2", "31", "abc"}) {
        reporter.messages.clear();
        f.userTypes(f.imagerie.eFWHM, bad);
        f.userLeaves(f.imagerie.eFWHM);
        ASSERT_EQ(reporter.messages.size(), 1u) << bad;
        EXPECT_EQ(f.imagerie.labVerdict.caption(), "sous-échantillonné") << bad;
    }
    EXPECT_EQ(reporter.messages[0], "'abc' n'est pas une valeur en virgule flottante correcte");
    f.userTypes(f.imagerie.eFWHM, "31");
    EXPECT_EQ(reporter.messages.back(),
              "« 31 » : la turbulence (FWHM) doit être supérieure à 0 et d'au plus 30 secondes d'arc");
    EXPECT_EQ(iniBytes(), saved);
    EXPECT_NE(saved.find("FWHM=1.5"), std::string::npos);
    // Both come back at the next start.
    MainForm& again = start();
    EXPECT_EQ(again.imagerie.eFWHM.text(), "1.5");
    EXPECT_EQ(again.imagerie.cbBinning.text(), "2x2");
    // and judge the start's sampling: 212 mm at 2628 mm with 9 um pixels, 1.41" binned.
    EXPECT_EQ(again.imagerie.labVerdict.caption(), "sous-échantillonné");
}

TEST_F(ImagingTest, DatesAreShownDayFirst) {
    MainForm& f = start();
    chooseDate({2026, 3, 5});
    EXPECT_EQ(f.imagerie.eDate.text(), "05/03/2026");
    chooseDate({1600, 1, 1});
    EXPECT_EQ(f.imagerie.eDate.text(), "01/01/1600");
    chooseDate({1500, 1, 1});  // the calendar goes no further back
    EXPECT_EQ(f.imagerie.eDate.text(), "01/01/1600");
    chooseDate({2022, 9, 26});
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "49.8");
}

TEST_F(ImagingTest, ARightClickTakesTodayWithoutTheDialog) {
    MainForm& f = start();
    chooseDate({2022, 9, 26});
    f.userRightReleases(f.imagerie.bbDate);
    EXPECT_EQ(f.imagerie.eDate.text(), "06/12/2026");
    EXPECT_EQ(f.imagerie.eDiamApp.text(), "39.7");
    EXPECT_EQ(host.opened, Strings{"fDate"});
    whenOpened<DateForm>([](DateForm& d) {
        EXPECT_EQ(d.MonthCalendar1.date(), (form::CalendarDate{2026, 12, 6}));
        d.userClicks(d.bbDateCancel);
    });
    f.userClicks(f.imagerie.bbDate);
}

TEST_F(ImagingTest, TodayThenCancelKeepsTodayAndCancelKeepsTheAbandonedChoice) {
    MainForm& f = start();
    chooseDate({2022, 9, 26});
    // Today is shown at once, the dialog still open.
    whenOpened<DateForm>([&f](DateForm& d) {
        d.userClicks(d.bbNow);
        EXPECT_EQ(f.imagerie.eDate.text(), "06/12/2026");
        EXPECT_EQ(f.imagerie.eDiamApp.text(), "39.7");
        d.userClicks(d.bbDateCancel);
    });
    f.userClicks(f.imagerie.bbDate);
    EXPECT_EQ(f.imagerie.eDate.text(), "06/12/2026");
    whenOpened<DateForm>([](DateForm& d) {
        d.MonthCalendar1.setDate({2030, 1, 15});
        d.userClicks(d.bbDateCancel);
    });
    f.userClicks(f.imagerie.bbDate);
    EXPECT_EQ(f.imagerie.eDate.text(), "06/12/2026");
    EXPECT_EQ(program->dateForm.MonthCalendar1.date(), (form::CalendarDate{2030, 1, 15}));
}

class SeparationTest : public ImagingTest {
protected:
    MainForm& startCalculs() {
        MainForm& f = startWith("200", "1000", "9");  // 1.856385"/px
        f.userSwitches(f.TabbedNotebook1, indexOf(Page::Calculs));
        return f;
    }
    void typePoints(MainForm& f, const char* x1, const char* y1, const char* x2, const char* y2) {
        f.userTypes(f.calculs.eObjet1X, x1);
        f.userTypes(f.calculs.eObjet1Y, y1);
        f.userTypes(f.calculs.eObjet2X, x2);
        f.userTypes(f.calculs.eObjet2Y, y2);
    }
    Strings results() {
        MainForm& f = program->mainForm;
        return texts({&f.calculs.eSepPx, &f.calculs.eSepSec, &f.calculs.eFocTh, &f.calculs.eFocReel});
    }
};

TEST_F(SeparationTest, TheWorkedExample) {
    MainForm& f = startCalculs();
    typePoints(f, "100", "200", "400", "600");
    EXPECT_EQ(results(), (Strings{"500.00", "928.19", "1000", "1000"}));
    EXPECT_FALSE(f.calculs.eSepManuelle.enabled());
    f.userSelects(f.calculs.rgSaisieSep, 1);  // from the keyboard: the results stay
    EXPECT_EQ(results(), (Strings{"500.00", "928.19", "1000", "1000"}));
    EXPECT_TRUE(f.calculs.eSepManuelle.enabled());
    f.userTypes(f.calculs.eSepManuelle, "900");
    EXPECT_EQ(results(), (Strings{"500.00", "900", "1000", "1031.30"}));
    f.userTypes(f.calculs.eObjet2Y, "600 ");  // a coordinate edit computes again
    EXPECT_EQ(results(), (Strings{"500.00", "928.19", "1000", "1000"}));
    f.userSelects(f.calculs.rgSaisieSep, 0);
    EXPECT_FALSE(f.calculs.eSepManuelle.enabled());
    EXPECT_EQ(f.calculs.eSepManuelle.text(), "900");
}

TEST_F(SeparationTest, AMouseClickOnOuiEmptiesTheResults) {
    MainForm& f = startCalculs();
    typePoints(f, "0", "0", "3", "4");
    f.userMouseClicks(f.calculs.rgSaisieSep, 1);
    EXPECT_EQ(results(), Strings(4, ""));
    f.userTypes(f.calculs.eObjet1X, "-5");
    EXPECT_EQ(results()[0], "8.94");
    f.userMouseClicks(f.calculs.rgSaisieSep, 1);  // already selected
    EXPECT_EQ(results(), Strings(4, ""));
}

TEST_F(SeparationTest, EdgeCases) {
    MainForm& f = startCalculs();
    typePoints(f, "7", "7", "7", "7");
    EXPECT_EQ(results(), (Strings{"0.00", "0.00", "1000", "1000"}));
    typePoints(f, "0", "0", "50000", "0");  // beyond 46340 pixels
    EXPECT_EQ(results()[0], "50000.00");
    typePoints(f, "-2147483648", "0", "2147483647", "0");
    EXPECT_EQ(results()[0], "4294967295.00");
    typePoints(f, "0", "0", "100000", "0");
    EXPECT_EQ(results()[0], "100000.00");
    EXPECT_TRUE(reporter.messages.empty());
}

struct SeparationFailure {
    const char* field;
    const char* text;
    const char* message;
};

TEST_F(SeparationTest, FailuresGiveTheirMessages) {
    const SeparationFailure cases[] = {
        {"eObjet1X", "12.5", "'12.5' n'est pas une valeur entière correcte"},
        {"eObjet2Y", "-", "'-' n'est pas une valeur entière correcte"},
        {"eSepManuelle", "abc", "'abc' n'est pas une valeur en virgule flottante correcte"},
        {"eSepManuelle", "", "'' n'est pas une valeur en virgule flottante correcte"},
        {"eSepManuelle", "0", "Division par zéro en virgule flottante"},
    };
    for (const auto& c : cases) {
        reporter.messages.clear();
        MainForm& f = startCalculs();
        typePoints(f, "100", "200", "400", "600");
        f.userSelects(f.calculs.rgSaisieSep, 1);
        f.userTypes(f.calculs.eSepManuelle, "900");
        const Strings before = results();
        f.userTypes(f.get<form::EditField>(c.field), c.text);
        f.userLeaves(f.get<form::EditField>(c.field));
        EXPECT_EQ(reporter.messages, Strings{c.message}) << c.field << " " << c.text;
        if (std::string(c.field) != "eSepManuelle") {
            EXPECT_EQ(results(), before);
            // The other fields still take what is typed, without that field's message again.
            reporter.messages.clear();
            f.userTypes(f.calculs.eSepManuelle, "800");
            f.userSelects(f.calculs.rgSaisieSep, 0);
            EXPECT_TRUE(reporter.messages.empty()) << c.field;
        } else {
            EXPECT_EQ(results()[3], before[3]);  // eFocReel keeps its text
        }
    }
}

TEST_F(SeparationTest, CalibrationNeedsWholeMillimetres) {
    MainForm& f = startWith("200", "1000.5", "9");
    typePoints(f, "100", "200", "400", "600");
    EXPECT_EQ(results(), (Strings{"500.00", "927.73", "1000.5", "1000.5"}));
    f.userSelects(f.calculs.rgSaisieSep, 1);
    f.userTypes(f.calculs.eSepManuelle, "900");
    EXPECT_EQ(reporter.messages, Strings{"'1000.5' n'est pas une valeur entière correcte"});
    EXPECT_EQ(results(), (Strings{"500.00", "900", "1000.5", "1000.5"}));
    typePoints(f, "0", "0", "0", "0");
    f.userSelects(f.calculs.rgSaisieSep, 0);
    f.userTypes(f.parametrage.eFocale, "1000");
    f.userSelects(f.calculs.rgSaisieSep, 1);
    reporter.messages.clear();
    f.userTypes(f.calculs.eSepManuelle, "0");
    EXPECT_EQ(reporter.messages, Strings{"Opération en virgule flottante incorrecte"});
}

}  // namespace
