// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace varnik {

/// A text to translate that needs a context to tell it apart, such as a menu item.
struct MessageId {
    const char* context;
    const char* msgid;
};

} // namespace varnik

// Markers for the message catalogue: they leave the English text as it is, and xgettext
// (--keyword=N_ --keyword=NC_:1c,2) copies the text into po/varnik-calculator.pot. The text is
// looked up in the user's language where it is shown, with Messages::text.
#define N_(msgid) (msgid)
#define NC_(context, msgid) (::varnik::MessageId{context, msgid})

namespace varnik {

struct CatalogueEntry;

/// The texts of one language, compiled into the program from po/<language>.po.
class Messages {
public:
    /// English: every text is its msgid.
    Messages() = default;
    Messages(std::string_view language, const CatalogueEntry* entries, std::size_t count)
        : m_language(language), m_entries(entries), m_count(count) {}

    /// "en", or the name of the .po file, such as "bn".
    std::string_view language() const { return m_language; }

    /// The translation of `msgid`, or `msgid` itself (the English text) when the catalogue
    /// has none; the result then refers to the caller's text.
    std::string_view text(std::string_view msgid) const { return text({}, msgid); }
    std::string_view text(std::string_view context, std::string_view msgid) const;
    std::string_view text(const MessageId& id) const {
        return text(id.context ? id.context : "", id.msgid ? id.msgid : "");
    }

private:
    std::string_view m_language = "en";
    const CatalogueEntry* m_entries = nullptr;
    std::size_t m_count = 0;
};

/// The texts of `language` ("bn", "en"); English for a language the build has no catalogue for.
const Messages& messagesFor(std::string_view language);

/// The languages the build has: "en" first, then each catalogue's, in alphabetical order.
const std::vector<std::string_view>& availableLanguages();

} // namespace varnik
