"""bench/RESULTS.md: a run replaces its own machine's section and keeps every other one."""
import unittest

from results_file import HEADER, replace_section, split_sections

INTEL = "## Intel(R) Xeon(R) Processor\n\nold Intel numbers\n\n### queries\n| a | b |\n"
AMD = "## AMD EPYC\n\nold AMD numbers\n"


class ReplaceSection(unittest.TestCase):
    def test_cases(self):
        both = HEADER + "\n" + INTEL + "\n" + AMD
        cases = [
            # (file before, machine, new section, sections after: (title, text it holds))
            ("", "AMD EPYC", "## AMD EPYC\n\nnew\n", [("AMD EPYC", "new")]),
            (both, "AMD EPYC", "## AMD EPYC\n\nnew AMD\n",
             [("Intel(R) Xeon(R) Processor", "old Intel numbers"), ("AMD EPYC", "new AMD")]),
            (both, "Intel(R) Xeon(R) Processor", "## Intel(R) Xeon(R) Processor\n\nnew Intel\n",
             [("Intel(R) Xeon(R) Processor", "new Intel"), ("AMD EPYC", "old AMD numbers")]),
            (HEADER + "\n" + INTEL, "Some ARM", "## Some ARM\n\narm\n",
             [("Intel(R) Xeon(R) Processor", "old Intel numbers"), ("Some ARM", "arm")]),
        ]
        for before, title, body, expected in cases:
            with self.subTest(title=title, before=before[:40]):
                after = replace_section(before, title, body)
                head, sections = split_sections(after)
                self.assertEqual(head.rstrip("\n"), HEADER.rstrip("\n"))
                self.assertEqual([t for t, _ in sections], [t for t, _ in expected])
                for (_, text), (_, holds) in zip(sections, expected):
                    self.assertIn(holds, text)
                self.assertEqual(replace_section(after, title, body), after, "a second run changes nothing")

    def test_subsections_stay_with_their_machine(self):
        after = replace_section(HEADER + "\n" + INTEL + "\n" + AMD, "AMD EPYC", "## AMD EPYC\n\nnew\n")
        _, sections = split_sections(after)
        self.assertIn("### queries\n| a | b |", dict(sections)["Intel(R) Xeon(R) Processor"])


if __name__ == "__main__":
    unittest.main()
