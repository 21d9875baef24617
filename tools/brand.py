# SPDX-License-Identifier: MIT
"""The program's own colour, the icon's green: the icon's body, and on the web the browser's
bars around the installed page and the title of its message boxes. One value for all of them;
standard library only, so that the site's build reads it without the drawing tools."""

GREEN = (20, 124, 56)
