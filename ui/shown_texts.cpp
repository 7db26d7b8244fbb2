// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shown_texts.h"

#include "catalogues/catalogue.h"
#include "catalogues/messages.h"
#include "core/errors.h"
#include "image/messages.h"
#include "ui/help_text.h"
#include "ui/messages.h"
#include "ui/result_table.h"
#include "ui/session.h"

namespace quarvel::ui {

std::vector<std::string> composedTextPatterns() {
    std::vector<std::string> patterns = core::messagePatterns();
    for (std::string_view pattern : catalogues::kPatterns) patterns.emplace_back(pattern);
    for (std::string_view pattern : messages::kPatterns) patterns.emplace_back(pattern);
    for (std::string_view pattern : image::kPatterns) patterns.emplace_back(pattern);
    for (std::string_view caption : messages::kResultCaptions) patterns.emplace_back(caption);
    for (const ResultRow* row : resultRows()) {
        patterns.emplace_back(row->caption);
        if (!row->unit.empty()) patterns.emplace_back(row->unit);
    }
    patterns.push_back(std::string(kHelpText) + std::string(messages::kConfigurationSentence));
    // The camera field's word for no camera, shown in the interface's language,
    // and the reason given for a file that is no regular file.
    patterns.emplace_back(kUnknown);
    patterns.emplace_back(core::kNotARegularFile);
    return patterns;
}

std::vector<std::string> messageOnlyPatterns() {
    return {std::begin(messages::kMessageOnlyPatterns), std::end(messages::kMessageOnlyPatterns)};
}

}  // namespace quarvel::ui
