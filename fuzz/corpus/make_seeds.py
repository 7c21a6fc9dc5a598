#!/usr/bin/env python3
"""Writes the seed inputs of fuzz/corpus/ (run from anywhere; rewrites the seed files in place).

The calculators seeds are step sequences in the byte encoding of calculators_fuzzer.cpp:
  step byte: (operation << 1) | window, window 0 the safety valve, 1 the bursting disc;
             operation 0 type a text, 2 select an option, 3 input parameters, 4 Calculate, 5 Clear;
  type:      step, control index (fields and lists of the window sorted by name), then the text:
             3, length, UTF-8 bytes (the raw form, so that a seed types exactly what it names);
  option:    step, option index (options sorted by name).
"""
import pathlib
import re

here = pathlib.Path(__file__).resolve().parent
src = here.parent.parent / "src"


def controls(table_file, pattern):
    text = (src / table_file).read_text(encoding="utf-8")
    names = set(re.findall(r'\.name = "(' + pattern + r'[0-9]+)"', text))
    return sorted(names)  # byte-wise, as std::sort on string_view


class Window:
    def __init__(self, number, table_file):
        self.number = number
        self.fields = controls(table_file, "(?:Text|Combo)")
        self.options = controls(table_file, "Option")

    def type(self, name, text):
        raw = text.encode("utf-8")
        assert len(raw) <= 32, text
        return bytes([0 << 1 | self.number, self.fields.index(name), 3, len(raw)]) + raw

    def select(self, option):
        return bytes([2 << 1 | self.number, self.options.index(option)])

    def input_parameters(self):
        return bytes([3 << 1 | self.number])

    def calculate(self):
        return bytes([4 << 1 | self.number])

    def clear(self):
        return bytes([5 << 1 | self.number])


valve = Window(0, "valve/valve_controls.cpp")
disc = Window(1, "disc/disc_controls.cpp")

calculators = {
    "valve-air-full-lift": [valve.type("Combo1", "空气"), valve.input_parameters(), valve.calculate()],
    "valve-ammonia-fire-uninsulated": [
        valve.type("Combo1", "液氨"), valve.type("Combo2", "无保温液化气"), valve.input_parameters(),
        valve.type("Text19", "2000"), valve.type("Text20", "6000"), valve.calculate(), valve.clear(),
        valve.type("Combo3", "立式容器"), valve.calculate(), valve.type("Text26", "1500"), valve.calculate()],
    "valve-propane-insulated-conical": [
        valve.select("Option3"), valve.type("Combo1", "丙烷"), valve.type("Combo2", "有保温液化气"),
        valve.input_parameters(), valve.type("Text25", "45"), valve.type("Text19", "2400"),
        valve.type("Text20", "8000"), valve.type("Text21", "50"), valve.type("Text22", "50"),
        valve.type("Text23", "0.2"), valve.calculate(), valve.clear(), valve.calculate()],
    "valve-steam-above-22-MPa": [valve.type("Text2", "25"), valve.input_parameters(), valve.calculate()],
    "valve-gas-at-absolute-zero": [valve.type("Combo1", "氮气"), valve.input_parameters(),
                                   valve.type("Text24", "-273"), valve.calculate()],
    "valve-typed-capacity-edges": [valve.select("Option2"), valve.type("Text7", "3.4e38"), valve.calculate(),
                                   valve.type("Text7", "1e-40"), valve.calculate(), valve.type("Text7", "1e999"),
                                   valve.calculate()],
    "disc-air": [disc.type("Combo1", "空气"), disc.input_parameters(), disc.calculate()],
    "disc-chlorine-fire-grade": [
        disc.type("Combo1", "液氯"), disc.type("Combo2", "无保温液化气"), disc.type("Combo5", "0.5级"),
        disc.input_parameters(), disc.type("Text19", "1600"), disc.type("Text20", "5000"), disc.calculate()],
    "disc-reverse-acting-high-pressure": [
        disc.select("Option4"), disc.type("Text2", "40"), disc.type("Combo5", "0.25级"),
        disc.input_parameters(), disc.calculate(), disc.clear()],
    "both-windows-share-values": [
        valve.type("Combo1", "乙烯"), valve.input_parameters(), valve.type("Text2", "3.4e38"), valve.calculate(),
        disc.type("Combo2", "有保温液化气"), disc.input_parameters(), disc.calculate(), valve.input_parameters(),
        valve.calculate()],
}

number_texts = {
    "plain": "0.8",
    "full-width": "１．５",
    "ideographic-blank-exponent": "\u3000-3.4e38",
    "overflow": "1e999",
    "underflow": "1e-400",
    "negative-zero": "-0",
    "unit-after": "12 MPa",
    "plain-range-edge": "0.0001",
    "float-edge": "9.999999E+27",
    "smallest-double": "4.9e-324",
}


def write(folder, seeds):
    (here / folder).mkdir(exist_ok=True)
    for name, data in seeds.items():
        (here / folder / name).write_bytes(data)


write("calculators", {name: b"".join(steps) for name, steps in calculators.items()})
write("number_text", {name: text.encode("utf-8") for name, text in number_texts.items()})
