// SPDX-License-Identifier: MIT
// Says so when the calculator's program cannot start: a browser without WebAssembly, the
// program's files not arriving (the network gone before the first visit), or the program
// failing as it starts. The calculator then gives way to a line in the user's language and a
// link that loads the page again, instead of sitting there dead. The build writes the texts,
// from the catalogues; this is the one place where the page picks its language without the
// program, which is what did not come.
(() => {
    const texts = $texts;
    // As the program would choose: ?lang=, else the browser's languages in their order, each
    // as it is or by its language alone ("bn-IN" is "bn"), else English.
    const language = () => {
        const same = (a, b) => a.toLowerCase().replace("-", "_") === b.toLowerCase().replace("-", "_");
        const query = new URLSearchParams(location.search).get("lang");
        for (const tag of [query, ...(navigator.languages || [])].filter(Boolean)) {
            for (const wanted of [tag, tag.split(/[-_]/)[0]]) {
                const found = Object.keys(texts).find((language) => same(language, wanted));
                if (found) {
                    return found;
                }
            }
        }
        return "en";
    };
    const notStarted = () => {
        const shown = document.getElementById("notStarted");
        if (!shown.hidden) {
            return;
        }
        const chosen = language();
        document.documentElement.lang = chosen;
        [document.getElementById("notStartedText").textContent,
            document.getElementById("tryAgain").textContent] = texts[chosen];
        document.getElementById("Form1").style.display = "none";
        document.getElementById("ended").hidden = true;
        shown.hidden = false;
        document.getElementById("tryAgain").focus();
    };
    // The program's script not loading, an error thrown while it runs, or a promise of its
    // start refused; other files failing (a picture, the font) leave the calculator working.
    addEventListener("error", (event) => {
        if (event instanceof ErrorEvent || event.target instanceof HTMLScriptElement) {
            notStarted();
        }
    }, true);
    addEventListener("unhandledrejection", notStarted);
    if (typeof WebAssembly !== "object") {
        notStarted();
    }
})();
