// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace varnik {

// The shape of the catalogues that the build compiles from po/*.po
// (tools/make_catalogue.py writes them).

/// One translated text; `context` is empty for a text without one.
struct CatalogueEntry {
    std::string_view context;
    std::string_view msgid;
    std::string_view text;
};

/// One language's entries, sorted by context, then msgid, byte by byte.
struct Catalogue {
    std::string_view language;
    const CatalogueEntry* entries;
    std::size_t count;
};

struct CatalogueList {
    const Catalogue* catalogues;
    std::size_t count;
};

/// Every catalogue the build has, sorted by language.
CatalogueList compiledCatalogues();

} // namespace varnik
