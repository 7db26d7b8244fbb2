// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/objects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "catalogues/messages.h"
#include "core/constants.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "core/search.h"

namespace quarvel::catalogues {

namespace {

using core::Message;

// Reading the file.

enum Column { M, C, Ngc, Ic, Other, NameEn, NameFr, Type, Vmag, Bmag, Major, Minor, Pa, Ra, Dec, kColumnCount };
constexpr std::array<std::string_view, kColumnCount> kColumns = {
    "m", "c", "ngc", "ic", "other", "name_en", "name_fr", "type", "vmag", "bmag", "major", "minor", "pa", "ra", "dec"};

// A damaged file says its first problems, not thousands.
constexpr std::size_t kShownProblems = 10;

// The fields of a line, empty ones included; the file quotes nothing.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> out;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        out.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) return out;
        from = at + 1;
    }
}

std::vector<std::string> listOf(std::string_view field) {
    std::vector<std::string> out;
    if (field.empty()) return out;
    for (std::string_view value : split(field, ';')) {
        if (!value.empty()) out.emplace_back(value);
    }
    return out;
}

// The fields of one data line, in kColumns' order, and what was wrong with them.
class RowReader {
public:
    explicit RowReader(std::vector<std::string_view> fields) : m_fields(std::move(fields)) {}

    std::string text(Column column) const { return std::string(m_fields[column]); }
    std::vector<std::string> list(Column column) const { return listOf(m_fields[column]); }

    // The column's number within [low, high], or nothing when the field is
    // empty and the column may be.
    std::optional<double> number(Column column, double low, double high, bool required = false) {
        const std::string_view field = m_fields[column];
        if (field.empty() && !required) return std::nullopt;
        const auto value = core::tryParseReal(field);
        if (value && *value >= low && *value <= high) return value;
        const Message name = Message::data(kColumns[column]);
        fail(field.empty() ? Message(kEmptyValueReason, {name}) : Message(kBadValueReason, {name, Message::data(field)}));
        return std::nullopt;
    }
    void fail(Message problem) {
        if (!m_problem) m_problem = std::move(problem);
    }
    const std::optional<Message>& problem() const { return m_problem; }

private:
    std::vector<std::string_view> m_fields;
    std::optional<Message> m_problem;
};

DeepSkyObject objectOf(RowReader& row) {
    constexpr double kSmallest = std::numeric_limits<double>::min();
    constexpr double kLargest = std::numeric_limits<double>::max();
    DeepSkyObject o;
    o.m = row.text(M);
    o.c = row.text(C);
    o.ngc = row.text(Ngc);
    o.ic = row.text(Ic);
    o.other = row.list(Other);
    o.namesEn = row.list(NameEn);
    o.namesFr = row.list(NameFr);
    o.type = row.text(Type);
    // Magnitudes run from about -1.5 to 20; the bounds only catch a wrong column.
    const auto v = row.number(Vmag, -30, 40);
    const auto b = row.number(Bmag, -30, 40);
    o.magnitude = v ? v : b;
    o.majorArcmin = row.number(Major, kSmallest, kLargest);
    o.minorArcmin = row.number(Minor, kSmallest, kLargest);
    o.positionAngleDeg = row.number(Pa, 0, 360);
    o.raDeg = row.number(Ra, 0, 360, true).value_or(0);
    o.decDeg = row.number(Dec, -90, 90, true).value_or(0);
    if (o.m.empty() && o.c.empty() && o.ngc.empty() && o.ic.empty() && o.other.empty()) {
        row.fail(Message(kNoDesignationReason));
    }
    return o;
}

std::string_view withoutReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

// Where each column is in the file's header.
using Places = std::array<std::size_t, kColumnCount>;

// Fills `at`; gives the first column the header lacks.
std::optional<std::string_view> findColumns(const std::vector<std::string_view>& header, Places& at) {
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const auto found = std::find(header.begin(), header.end(), kColumns[i]);
        if (found == header.end()) return kColumns[i];
        at[i] = static_cast<std::size_t>(found - header.begin());
    }
    return std::nullopt;
}

// Adds the object of a data line to `rows`, or says why it cannot.
std::optional<Message> readLine(std::string_view line, std::size_t fieldCount, const Places& at,
                                std::vector<DeepSkyObject>& rows) {
    const auto all = split(line, ',');
    if (all.size() != fieldCount) {
        return Message(kFieldCountReason,
                       {Message::data(std::to_string(all.size())), Message::data(std::to_string(fieldCount))});
    }
    std::vector<std::string_view> fields;
    for (std::size_t index : at) fields.push_back(all[index]);
    RowReader row(std::move(fields));
    DeepSkyObject object = objectOf(row);
    if (row.problem()) return row.problem();
    rows.push_back(std::move(object));
    return std::nullopt;
}

}  // namespace

ObjectsRead readObjects(std::string_view source, std::string_view csv) {
    ObjectsRead read;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (csv.starts_with(kByteOrderMark)) csv.remove_prefix(kByteOrderMark.size());
    const std::vector<std::string_view> lines = split(csv, '\n');
    const auto header = split(withoutReturn(lines.front()), ',');
    Places at{};
    if (const auto missing = findColumns(header, at)) {
        read.problems.emplace_back(kMissingColumnText, std::vector{Message::data(source), Message::data(*missing)});
        return read;
    }
    std::size_t unshown = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = withoutReturn(lines[i]);
        if (line.empty()) continue;
        auto problem = readLine(line, header.size(), at, read.rows);
        if (!problem) continue;
        if (read.problems.size() == kShownProblems) {
            ++unshown;
        } else {
            read.problems.emplace_back(kObjectLineText, std::vector{Message::data(source),
                                                                    Message::data(std::to_string(i + 1)), *problem});
        }
    }
    if (unshown > 0) {
        read.problems.emplace_back(kMoreLinesText,
                                   std::vector{Message::data(source), Message::data(std::to_string(unshown))});
    }
    return read;
}

Outlines readOutlines(std::string_view csv) {
    Outlines outlines;
    const std::vector<std::string_view> lines = split(csv, '\n');
    // The part being read, and one with a line that does not read, left out whole.
    std::string current;
    std::string broken;
    std::vector<SkyPoint>* points = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = split(withoutReturn(lines[i]), ',');
        if (fields.size() != 4) continue;
        const std::string part = std::string(fields[0]) + '\n' + std::string(fields[1]);
        const auto ra = core::tryParseReal(fields[2]), dec = core::tryParseReal(fields[3]);
        if (!ra || !dec || *ra < 0 || *ra > 360 || *dec < -90 || *dec > 90) {
            broken = part;
            if (part == current && points) points->clear();
            continue;
        }
        if (part == broken) continue;
        if (part != current) {
            current = part;
            points = &outlines[std::string(fields[0])].emplace_back();
        }
        points->push_back({*ra, *dec});
    }
    // A part left empty by a line that did not read, or of fewer than three points, draws nothing.
    for (auto& [name, parts] : outlines) {
        std::erase_if(parts, [](const std::vector<SkyPoint>& part) { return part.size() < 3; });
    }
    std::erase_if(outlines, [](const auto& entry) { return entry.second.empty(); });
    return outlines;
}

std::string designation(const DeepSkyObject& object) {
    for (const std::string* number : {&object.m, &object.c, &object.ngc, &object.ic}) {
        if (!number->empty()) return *number;
    }
    return object.other.empty() ? std::string() : object.other.front();
}

std::string objectLabel(const DeepSkyObject& object, bool french) {
    constexpr const char* kDash = " — ";
    std::string label;
    for (const std::string* number : {&object.m, &object.c, &object.ngc, &object.ic}) {
        if (!number->empty()) label += (label.empty() ? "" : kDash) + *number;
    }
    if (label.empty()) label = designation(object);
    const auto& names = french && !object.namesFr.empty() ? object.namesFr : object.namesEn;
    if (!names.empty()) label += kDash + names.front();
    return label;
}

namespace {

// Searching.

bool isBlank(char c) { return c == ' ' || c == '\t'; }
// Letters and digits, and every byte of a character beyond ASCII ("χ Persei").
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// A text as searches compare it: core's folding of case and accents, with
// the few characters of the names it leaves alone made plain ("œ" as "oe",
// the typographic apostrophe, the no-break space), blanks trimmed and single.
std::string folded(std::string_view text) {
    constexpr std::pair<std::string_view, std::string_view> kPlain[] = {
        {"\xC5\x93", "oe"}, {"\xC5\x92", "oe"}, {"\xE2\x80\x99", "'"}, {"\xC2\xA0", " "}};
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ascii = static_cast<unsigned char>(text[i]) < 0x80;
        const auto found = ascii ? std::end(kPlain) : std::find_if(std::begin(kPlain), std::end(kPlain), [&](const auto& p) {
            return text.substr(i).starts_with(p.first);
        });
        if (found == std::end(kPlain)) {
            plain += isBlank(text[i]) ? ' ' : text[i];
        } else {
            plain += found->second;
            i += found->first.size() - 1;
        }
    }
    std::string out;
    for (char c : core::foldedForSearch(plain)) {
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A designation without its blanks and hyphens ("sh2 155" is "Sh2-155"),
// the catalogues' full names shortened.
std::string compactOf(std::string_view foldedText) {
    std::string out;
    for (char c : foldedText) {
        if (c != ' ' && c != '-') out += c;
    }
    for (const auto& [full, shortName] : {std::pair{"messier", "m"}, std::pair{"caldwell", "c"}}) {
        if (out.starts_with(full)) out = shortName + out.substr(std::string_view(full).size());
    }
    return out;
}

std::vector<std::uint16_t> wordStartsOf(std::string_view text) {
    std::vector<std::uint16_t> starts;
    for (std::size_t i = 0; i < text.size() && i <= UINT16_MAX; ++i) {
        if (isWordByte(text[i]) && (i == 0 || !isWordByte(text[i - 1]))) starts.push_back(static_cast<std::uint16_t>(i));
    }
    return starts;
}

std::vector<std::string_view> wordsOf(std::string_view text, bool (*inWord)(char)) {
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!inWord(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && inWord(text[end])) ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool notBlank(char c) { return c != ' '; }

// Whether each word starts one of the name's words.
bool startsWords(const std::string& name, const std::vector<std::uint16_t>& starts,
                 const std::vector<std::string_view>& words) {
    return std::all_of(words.begin(), words.end(), [&](std::string_view word) {
        return std::any_of(starts.begin(), starts.end(), [&](std::uint16_t at) {
            return name[at] == word.front() && name.compare(at, word.size(), word) == 0;
        });
    });
}

// The one row of several matches, or nothing.
std::optional<int> single(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows.size() == 1 ? std::optional<int>(rows.front()) : std::nullopt;
}

}  // namespace

ObjectCatalogue::ObjectCatalogue(std::vector<DeepSkyObject> rows) : m_rows(std::move(rows)) {
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row) {
        const DeepSkyObject& o = m_rows[row];
        std::string haystack;
        std::vector<const std::string*> numbers{&o.m, &o.c, &o.ngc, &o.ic};
        for (const auto& other : o.other) numbers.push_back(&other);
        for (const std::string* number : numbers) {
            if (number->empty()) continue;
            const std::string text = folded(*number);
            m_designations.push_back({compactOf(text), row});
            haystack += text + '\n';
        }
        for (const auto* names : {&o.namesEn, &o.namesFr}) {
            for (const auto& name : *names) {
                std::string text = folded(name);
                haystack += text + '\n';
                auto starts = wordStartsOf(text);
                m_names.push_back({std::move(text), std::move(starts), row});
            }
        }
        for (bool french : {false, true}) m_labels.push_back({folded(objectLabel(o, french)), row});
        m_haystack += haystack;
        m_haystackEnds.push_back(m_haystack.size());
    }
    std::stable_sort(m_designations.begin(), m_designations.end(), [](const Key& a, const Key& b) {
        return a.text.size() != b.text.size() ? a.text.size() < b.text.size() : a.text < b.text;
    });
}

// The rows a search has found so far, best first, each once.
struct ObjectCatalogue::Found {
    std::vector<int> rows;
    std::vector<bool> taken;
    std::size_t limit;
    std::size_t wanted() const { return limit - rows.size(); }
    void take(int row) {
        if (rows.size() < limit && !taken[row]) {
            taken[row] = true;
            rows.push_back(row);
        }
    }
};

std::vector<int> ObjectCatalogue::search(std::string_view typed, std::size_t limit) const {
    const std::string query = folded(typed);
    if (query.empty() || limit == 0) return {};
    Found found{{}, std::vector<bool>(m_rows.size()), limit};
    searchDesignations(compactOf(query), found);
    searchNames(query, found);
    searchAnywhere(query, found);
    return std::move(found.rows);
}

// A designation is typed with its number: "m" alone is the start of names.
// A number alone is the M, C, NGC and IC objects of that number.
void ObjectCatalogue::searchDesignations(const std::string& key, Found& found) const {
    if (key.empty()) return;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto exactly = [&](std::string_view wanted) {
        for (const Key& d : m_designations) {
            if (d.text == wanted) found.take(d.row);
        }
    };
    if (std::all_of(key.begin(), key.end(), digit)) {
        for (std::string_view catalogue : {"m", "c", "ngc", "ic"}) exactly(std::string(catalogue) + key);
    } else if (std::any_of(key.begin(), key.end(), digit)) {
        exactly(key);
        for (const Key& d : m_designations) {
            if (d.text.size() > key.size() && d.text.starts_with(key)) found.take(d.row);
        }
    }
}

// The whole name typed, then its beginning, then the beginnings of its
// words; within each, the shorter name first, as what was typed is more of
// it ("Heart" is the Heart Nebula before the Heart-Shaped Cluster).
void ObjectCatalogue::searchNames(const std::string& query, Found& found) const {
    const auto words = wordsOf(query, isWordByte);
    // The length of the matching name and its row.
    std::array<std::vector<std::pair<std::size_t, int>>, 3> byRank;
    // A row's names are next to each other: it is added once to each rank,
    // by its shortest name there.
    const auto add = [&](int rank, const Name& name) {
        auto& rows = byRank[rank];
        if (!rows.empty() && rows.back().second == name.row) {
            rows.back().first = std::min(rows.back().first, name.folded.size());
        } else {
            rows.emplace_back(name.folded.size(), name.row);
        }
    };
    for (const Name& name : m_names) {
        if (found.taken[name.row]) continue;
        if (name.folded == query) {
            add(0, name);
        } else if (name.folded.starts_with(query)) {
            add(1, name);
        } else if (!words.empty() && startsWords(name.folded, name.wordStarts, words)) {
            add(2, name);
        }
    }
    for (auto& rows : byRank) {
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [length, row] : rows) found.take(row);
    }
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where a word stands in a text from `from` on: anywhere for letters, but a
// number only as a whole number ("2237" is no part of "PGC 72237").
std::size_t findWord(std::string_view text, std::string_view word, std::size_t from) {
    const bool number = std::any_of(word.begin(), word.end(), isDigit);
    for (std::size_t at = text.find(word, from); at != std::string_view::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool whole = (at == 0 || !isDigit(text[at - 1]) || !isDigit(word.front())) &&
                           (end == text.size() || !isDigit(text[end]) || !isDigit(word.back()));
        if (!number || whole) return at;
    }
    return std::string_view::npos;
}

}  // namespace

// The rows holding the first word, in order, that hold the others too.
void ObjectCatalogue::searchAnywhere(const std::string& query, Found& found) const {
    const auto words = wordsOf(query, notBlank);
    for (std::size_t from = 0; found.wanted() > 0;) {
        const std::size_t at = findWord(m_haystack, words.front(), from);
        if (at == std::string::npos) return;
        const auto row = std::upper_bound(m_haystackEnds.begin(), m_haystackEnds.end(), at) - m_haystackEnds.begin();
        const std::size_t begin = row == 0 ? 0 : m_haystackEnds[row - 1];
        const std::string_view text = std::string_view(m_haystack).substr(begin, m_haystackEnds[row] - begin);
        if (std::all_of(words.begin() + 1, words.end(),
                        [&](std::string_view word) { return findWord(text, word, 0) != std::string_view::npos; })) {
            found.take(static_cast<int>(row));
        }
        from = m_haystackEnds[row];
    }
}

std::optional<int> ObjectCatalogue::find(std::string_view typed) const {
    const std::string query = folded(typed);
    if (query.empty()) return std::nullopt;
    const std::string key = compactOf(query);
    std::vector<int> rows;
    for (const Key& d : m_designations) {
        if (d.text == key) rows.push_back(d.row);
    }
    if (!rows.empty()) return single(rows);
    for (const Name& name : m_names) {
        if (name.folded == query) rows.push_back(name.row);
    }
    if (!rows.empty()) {
        const auto found = single(rows);
        if (found) return found;
        std::vector<int> messier;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(messier),
                     [this](int row) { return !m_rows[row].m.empty(); });
        return single(messier);
    }
    for (const Key& label : m_labels) {
        if (label.text == query) rows.push_back(label.row);
    }
    return single(rows);
}

namespace {

// Framing.

// Sizes equal but for rounding (2 x 96' less 20 % of 96') still fit.
constexpr double kFitTolerance = 1e-9;

double across(int panels, double sideArcmin, double overlapPercent) {
    return panels * sideArcmin - (panels - 1) * sideArcmin * overlapPercent / 100;
}

double fillOf(const SkyExtent& box, const SkyExtent& field) {
    return std::max(box.widthArcmin / field.widthArcmin, box.heightArcmin / field.heightArcmin);
}

bool fitsIn(const SkyExtent& box, const SkyExtent& field) { return fillOf(box, field) <= 1 + kFitTolerance; }

std::optional<Panels> advisedPanels(const SkyExtent& box, Framing framing) {
    for (int count = 1; count <= kMaxPanels * kMaxPanels; ++count) {
        for (int x = 1; x <= kMaxPanels; ++x) {
            if (count % x != 0 || count / x > kMaxPanels) continue;
            framing.panelsX = x;
            framing.panelsY = count / x;
            if (fitsIn(box, mosaicField(framing))) return Panels{x, count / x};
        }
    }
    return std::nullopt;
}

// Whole arc-minutes, one decimal below 10' ("5.6", "8", "178").
Message arcmin(double value) {
    if (value >= 10) return Message::data(core::wholeText(value));
    std::string text = core::fixed(value, 15, 1);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return Message::data(text);
}

Message whole(int value) { return Message::data(std::to_string(value)); }

// Whole per cent; "< 1" for a speck that would read 0.
Message percent(double fill) {
    return Message::data(fill * 100 < 0.5 ? std::string("< 1") : core::wholeText(fill * 100));
}

Message sizeOf(const ObjectShape& o) {
    if (o.minorArcmin == o.majorArcmin) return Message(kDiameterText, {arcmin(o.majorArcmin)});
    return Message(o.positionAngleDeg ? kAxesText : kAxesNoAngleText, {arcmin(o.majorArcmin), arcmin(o.minorArcmin)});
}

Message fieldOf(const Framing& f, const SkyExtent& mosaic) {
    const SkyExtent& frame = f.frame;
    if (f.panelsX == 1 && f.panelsY == 1) {
        return Message(kFrameFieldText, {arcmin(frame.widthArcmin), arcmin(frame.heightArcmin)});
    }
    return Message(kMosaicFieldText, {arcmin(frame.widthArcmin), arcmin(frame.heightArcmin), whole(f.panelsX),
                                      whole(f.panelsY), arcmin(mosaic.widthArcmin), arcmin(mosaic.heightArcmin)});
}

Message verdictOf(const FitResult& fit, bool mosaic) {
    if (fit.fits) return Message(mosaic ? kFitsMosaicText : kFitsFrameText, {percent(fit.fill)});
    if (fit.advised) return Message(kAdvisedMosaicText, {whole(fit.advised->x), whole(fit.advised->y)});
    return Message(kTooLargeText, {whole(kMaxPanels), whole(kMaxPanels)});
}

}  // namespace

SkyExtent mosaicField(const Framing& f) {
    const auto sideOk = [](double side) { return std::isfinite(side) && side > 0; };
    if (!kPanelsDomain.contains(f.panelsX) || !kPanelsDomain.contains(f.panelsY) ||
        !kOverlapDomain.contains(f.overlapPercent) ||
        !sideOk(f.frame.widthArcmin) || !sideOk(f.frame.heightArcmin)) {
        core::throwRangeCheck();
    }
    return {across(f.panelsX, f.frame.widthArcmin, f.overlapPercent),
            across(f.panelsY, f.frame.heightArcmin, f.overlapPercent)};
}

std::optional<ObjectShape> shapeOf(const DeepSkyObject& object) {
    if (!object.majorArcmin) return std::nullopt;
    ObjectShape shape{*object.majorArcmin, object.minorArcmin.value_or(*object.majorArcmin), object.positionAngleDeg};
    if (shape.minorArcmin > shape.majorArcmin) {
        std::swap(shape.majorArcmin, shape.minorArcmin);
        shape.positionAngleDeg.reset();
    }
    if (object.type == "globular cluster") {
        shape.minorArcmin = shape.majorArcmin;
        shape.positionAngleDeg.reset();
    }
    return shape;
}

std::optional<SkyExtent> objectBox(const DeepSkyObject& object, double rotationDeg) {
    const auto shape = shapeOf(object);
    if (!shape) return std::nullopt;
    const double major = shape->majorArcmin;
    if (!shape->positionAngleDeg) return SkyExtent{major, major};
    // The major axis's angle from the frame's vertical side.
    const double turn = (*shape->positionAngleDeg - rotationDeg) * core::kDegreesToRadians;
    const double a = major / 2;
    const double b = shape->minorArcmin / 2;
    const double sin = std::sin(turn);
    const double cos = std::cos(turn);
    return SkyExtent{2 * std::hypot(a * sin, b * cos), 2 * std::hypot(a * cos, b * sin)};
}

std::optional<FitResult> fitObject(const DeepSkyObject& object, const Framing& framing) {
    const SkyExtent field = mosaicField(framing);
    const auto box = objectBox(object, framing.rotationDeg);
    if (!box) return std::nullopt;
    FitResult fit{field, *box};
    fit.fill = fillOf(*box, field);
    fit.fits = fitsIn(*box, field);
    if (!fit.fits) fit.advised = advisedPanels(*box, framing);
    return fit;
}

Message fitLine(const DeepSkyObject& object, const Framing& framing) {
    const Message name = Message::data(designation(object));
    const auto fit = fitObject(object, framing);
    const Message field = fieldOf(framing, mosaicField(framing));
    if (!fit) return Message(kUnknownSizeLine, {name, field});
    const bool mosaic = framing.panelsX * framing.panelsY > 1;
    return Message(kFitLine, {name, sizeOf(*shapeOf(object)), field, verdictOf(*fit, mosaic)});
}

}  // namespace quarvel::catalogues
