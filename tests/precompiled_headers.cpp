// SPDX-License-Identifier: MIT
// Nothing of its own: the target that builds the tests' precompiled Qt headers.
