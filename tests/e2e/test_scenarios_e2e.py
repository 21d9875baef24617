# SPDX-License-Identifier: MIT
"""The shared end-to-end scenarios (tests/scenarios/scenarios.json) on the Linux program: a
private X server, real X input, read back through the accessibility bus, screenshots and the
X clipboard.

Usage: test_scenarios_e2e.py --binary build/qt/varnik-calculator --assets assets
                             --layout build/layout.json [unittest options]
"""

import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
sys.path.insert(0, os.path.join(here, "..", "scenarios"))
import calculator_case  # noqa: E402
import scenarios  # noqa: E402


@scenarios.add_tests
class Scenarios(calculator_case.CalculatorCase):
    pass


if __name__ == "__main__":
    calculator_case.main()
