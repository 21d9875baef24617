// SPDX-License-Identifier: MIT
#include "messages.h"

#include "catalogue.h"

#include <algorithm>
#include <tuple>

namespace varnik {

namespace {

struct CompiledLanguages {
    std::vector<Messages> messages;
    std::vector<std::string_view> names;
};

const CompiledLanguages& compiledLanguages() {
    static const CompiledLanguages languages = [] {
        CompiledLanguages result;
        result.names.push_back("en");
        const CatalogueList list = compiledCatalogues();
        for (std::size_t i = 0; i < list.count; ++i) {
            const Catalogue& catalogue = list.catalogues[i];
            result.messages.emplace_back(catalogue.language, catalogue.entries, catalogue.count);
            result.names.push_back(catalogue.language);
        }
        return result;
    }();
    return languages;
}

} // namespace

std::string_view Messages::text(std::string_view context, std::string_view msgid) const {
    const CatalogueEntry* end = m_entries + m_count;
    const auto key = std::tie(context, msgid);
    const CatalogueEntry* found =
        std::lower_bound(m_entries, end, key, [](const CatalogueEntry& entry, const auto& k) {
            return std::tie(entry.context, entry.msgid) < k;
        });
    if (found != end && found->context == context && found->msgid == msgid) {
        return found->text;
    }
    return msgid;
}

const Messages& messagesFor(std::string_view language) {
    static const Messages english;
    for (const Messages& messages : compiledLanguages().messages) {
        if (messages.language() == language) {
            return messages;
        }
    }
    return english;
}

const std::vector<std::string_view>& availableLanguages() {
    return compiledLanguages().names;
}

} // namespace varnik
