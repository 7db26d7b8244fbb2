// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/objects.h"

#include <algorithm>
#include <array>
#include <limits>

#include "catalogues/messages.h"
#include "catalogues/text_fields.h"
#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::catalogues {

namespace {

using core::Message;

// Reading the file.

enum Column { M, C, Ngc, Ic, Other, NameEn, NameFr, Type, Vmag, Bmag, Major, Minor, Pa, Ra, Dec, kColumnCount };
constexpr std::array<std::string_view, kColumnCount> kColumns = {
    "m", "c", "ngc", "ic", "other", "name_en", "name_fr", "type", "vmag", "bmag", "major", "minor", "pa", "ra", "dec"};

// A damaged file says its first problems, not thousands.
constexpr std::size_t kShownProblems = 10;

std::vector<std::string> listOf(std::string_view field) {
    std::vector<std::string> out;
    if (field.empty()) return out;
    for (std::string_view value : splitText(field, ';')) {
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
    // A size is above nothing and at most half the sky across, in arc-minutes.
    constexpr double kSmallest = std::numeric_limits<double>::min();
    constexpr double kLargest = 180 * 60;
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
    const auto all = splitText(line, ',');
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
    const std::vector<std::string_view> lines = splitText(csv, '\n');
    const auto header = splitText(withoutReturn(lines.front()), ',');
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
    const std::vector<std::string_view> lines = splitText(csv, '\n');
    // The part being read, and one with a line that does not read, left out whole.
    std::string current;
    std::string broken;
    std::vector<SkyPoint>* points = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = splitText(withoutReturn(lines[i]), ',');
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

}  // namespace quarvel::catalogues
