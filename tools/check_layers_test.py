#!/usr/bin/env python3
"""Tests of tools/check_layers.py on small source trees made for each case."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_layers import LAYERS, check  # noqa: E402


class SourceTree:
    """A throw-away src/ folder: {"base/text/a.h": ['#include "ui/x.h"'], ...}."""

    def __init__(self, files):
        self._dir = tempfile.TemporaryDirectory()
        for name, includes in files.items():
            path = os.path.join(self._dir.name, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.writelines(f"{line}\n" for line in includes)

    def __enter__(self):
        return self._dir.name

    def __exit__(self, *_):
        self._dir.cleanup()


def problems_of(files):
    with SourceTree(files) as src:
        return check(src, LAYERS)


# A tree that keeps to the order: each layer uses the ones below it, peers
# use each other one way, a file includes a neighbour by its bare name.
CLEAN = {
    "base/text/utf8.h": [],
    "base/ini/profile.h": ['#include "base/text/utf8.h"'],
    "ui/skin/theme.h": ['#include "base/text/utf8.h"'],
    "ui/engine/engine.h": ['#include "ui/skin/theme.h"'],
    "ui/window/window.h": ['#include "ui/engine/engine.h"'],
    "ui/controls/button.h": ['#include "ui/window/window.h"'],
    "app/storage_names.h": [],
    "app/forms/form.h": ['#include "ui/controls/button.h"', '#include "app/storage_names.h"'],
    "app/timetable/week.h": ['#include "app/forms/form.h"'],
    "app/calendar/calendar.h": ['#include "app/timetable/week.h"'],
    "app/tools/timer.h": ['#include "app/forms/form.h"'],
    "app/tools/timer.cpp": ['#include "timer.h"', "#include <windows.h>"],
    "app/shell/bar.cpp": ['#include "app/tools/timer.h"', '#include "app/calendar/calendar.h"'],
}


class CheckLayersTest(unittest.TestCase):
    def test_a_tree_that_keeps_to_the_order_passes(self):
        self.assertEqual(problems_of(CLEAN), [])

    def test_each_fault_is_named_with_the_include_that_makes_it(self):
        cases = [
            ("a lower layer includes a higher one",
             {"base/text/utf8.h": ['#include "ui/engine/engine.h"']},
             "upward: base/text/utf8.h (base/text) includes ui/engine/engine.h (ui/engine)"),
            ("a peer includes the shell",
             {"app/tools/timer.h": ['#include "app/shell/bar.h"'], "app/shell/bar.h": []},
             "upward: app/tools/timer.h (app/tools) includes app/shell/bar.h (app/shell)"),
            ("two peers include each other",
             {"app/timetable/week.h": ['#include "app/calendar/calendar.h"']},
             "cycle: app/calendar <-> app/timetable"),
            ("two folders of base/* include each other",
             {"base/text/utf8.h": ['#include "base/ini/profile.h"']},
             "cycle: base/ini <-> base/text"),
            ("a folder placed in no layer",
             {"app/extras/x.h": ['#include "app/forms/form.h"']},
             "folder app/extras is in no layer: place it in LAYERS of tools/check_layers.py"),
        ]
        for name, changed, expected in cases:
            with self.subTest(name):
                self.assertIn(expected, problems_of({**CLEAN, **changed}))

    def test_the_includes_of_a_cycle_are_listed(self):
        problems = problems_of({**CLEAN, "app/timetable/week.h": ['#include "app/calendar/calendar.h"']})
        self.assertIn("    app/calendar/calendar.h includes app/timetable/week.h", problems)
        self.assertIn("    app/timetable/week.h includes app/calendar/calendar.h", problems)

    def test_system_headers_and_missing_files_are_not_edges(self):
        self.assertEqual(problems_of({**CLEAN, "base/text/utf8.h": ["#include <windows.h>", '#include "gone.h"']}), [])


if __name__ == "__main__":
    unittest.main()
