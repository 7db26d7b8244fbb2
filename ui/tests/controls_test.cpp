// SPDX-License-Identifier: GPL-3.0-or-later
// The control models the windows are written against, on their own.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "ui/form/form.h"

using namespace quarvel::ui::form;

namespace {

// An edit field runs its change handling only when its text changes; a
// user's typing goes through its filter first.
TEST(EditField, ChangeHandlingRunsOnlyOnAChange) {
    RecordingReporter reporter;
    Guard guard(reporter);
    Form window("fTest", "Test", guard);
    EditField field("eTest");
    int changes = 0;
    field.onChange = [&changes] { ++changes; };
    field.setText("1");
    field.setText("1");
    field.acceptDecimalComma();
    window.userTypes(field, "2,5");
    EXPECT_EQ(field.text(), "2.5");
    EXPECT_EQ(changes, 2);
    field.setEnabled(false);
    window.userTypes(field, "3");  // a disabled field takes nothing
    EXPECT_EQ(field.text(), "2.5");
}

// New entries keep the chosen one chosen where it still is, by its text.
TEST(ListControl, NewItemsKeepTheChosenEntry) {
    ListControl list("lbTest", {"a", "b", "c"});
    list.select(1);
    list.setItems({"x", "y", "b"});
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.text(), "b");
    list.setItems({"x"});
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.text(), "");
}

// A pick remembers the row it left; a key is a shortcut only when the list
// says so.
TEST(ListControl, APickRemembersTheRowBeforeIt) {
    RecordingReporter reporter;
    Guard guard(reporter);
    Form window("fTest", "Test", guard);
    ListControl list("cbTest", {"a", "b", "c"});
    list.select(2);
    int picks = 0;
    list.onChange = [&picks] { ++picks; };
    window.userPicks(list, 0);
    EXPECT_EQ(list.rowBeforePick(), 2);
    EXPECT_EQ(picks, 1);
    EXPECT_FALSE(window.userPresses(list, 's'));  // no shortcuts
    list.onKeyPress = [](char key) { return key == 's'; };
    EXPECT_TRUE(window.userPresses(list, 's'));
    EXPECT_FALSE(window.userPresses(list, 'x'));
}

// A radio group runs its click handling when code changes its selection.
TEST(RadioGroup, SelectionFromCodeRunsTheClickOnAChange) {
    RadioGroup group("rgTest", "Test", {"Oui", "Non"});
    int clicks = 0;
    group.onClick = [&clicks] { ++clicks; };
    group.select(0);
    group.select(0);
    group.select(1);
    EXPECT_EQ(clicks, 2);
}

// A closing button closes the dialog with its result, unless its handler
// found something to mend: then the dialog stays open, the failure said.
TEST(Dialog, AFailingHandlerThatClearsTheResultKeepsTheDialogOpen) {
    RecordingReporter reporter;
    Guard guard(reporter);
    Form dialog("fTest", "Test", guard);
    Button ok("bbOK", "OK", ModalResult::Ok);
    std::vector<ModalResult> closed;
    dialog.onClose = [&closed](ModalResult result) { closed.push_back(result); };
    ok.onClick = [&dialog] {
        dialog.setModalResult(ModalResult::None);
        throw quarvel::core::QuarvelError(quarvel::core::ErrorCode::BadBitmap,
                                          quarvel::core::Message("Image bitmap incorrecte"));
    };
    dialog.userClicks(ok);
    EXPECT_TRUE(closed.empty());
    EXPECT_EQ(reporter.messages, std::vector<std::string>{"Image bitmap incorrecte"});
    ok.onClick = nullptr;
    dialog.userClicks(ok);
    EXPECT_EQ(closed, std::vector<ModalResult>{ModalResult::Ok});
}

}  // namespace
