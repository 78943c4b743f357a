#!/usr/bin/env python3
"""Rebuilds the example interchange from its design figures with vomel-cli.

    build.py [--cli PATH] lines    ramp files (ramp-a.ele, ramp-b.jdx/.dl,
                                   ramp-c.xml, ramp-d.ele) from the main line
    build.py [--cli PATH] points   points.dat from stations and offsets
    build.py [--cli PATH] check    every file loads; no ramp crosses another
                                   line; every point lies nearest its line

Every coordinate comes from vomel-cli (station, stakeout, curves, solve):
this script only chooses stations and offsets and writes the files. The
main line (mainline.jdx, .dl, .profile, .crossfall) and the ramps'
profiles and cross fall are written by hand; `lines` keeps them.

The main line runs at azimuth 45 degrees from K11+132 to K12+816; the
crossroad (not part of the project) crosses it at right angles at K12+000.
In the main line's frame (u = its station, v = its offset, left positive)
the ramps are:

    A  diverges from the right edge (v = -9) at K11+450, ends at the
       crossroad's south side (u = 11982, v = -103)
    B  leaves the crossroad's north side (u = 12017, v = -101) and merges
       into the right edge at K12+550 (a JD line with a chain break)
    C  diverges from the left edge (v = +9) at K12+550 for traffic running
       down the stations, ends at the crossroad's north side (LandXML)
    D  a loop (R = 70 m) diverging from the left edge at K11+962 for the
       same traffic, turning 266.5 degrees to end heading for the main line
       just south of the crossroad
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

MAIN = ["--jd", "mainline.jdx", "--dl", "mainline.dl"]
MAIN_DESIGN = ["--profile", "mainline.profile", "--crossfall", "mainline.crossfall"]

# Ramp B's chain break: stated A250 = B262.5 (12.5 m of stations skipped).
RAMP_B_BREAK_BACK = 250.0
RAMP_B_BREAK_AHEAD = 262.5

# Where the ramps meet the main line's edge (metres from the centre line)
# and the angle at which they leave or join it (degrees).
EDGE = 9.0
GORE_ANGLE = 3.5

# Element lists: (start radius, end radius, length); 9999 is a straight,
# R > 0 turns right.
RAMP_A_ELEMENTS = [
    (9999, 9999, 40), (9999, 600, 60), (600, 600, 100), (600, 9999, 60),
    (9999, 9999, 40), (9999, -500, 60), (-500, -500, 103.9), (-500, 9999, 60),
    (9999, 9999, 20),
]
RAMP_C_ELEMENTS = [
    (9999, 9999, 35), (9999, 550, 55), (550, 550, 110), (550, 9999, 55),
    (9999, 9999, 45), (9999, -450, 55), (-450, -450, 107.5), (-450, 9999, 55),
    (9999, 9999, 30),
]
# The loop: 266.5 degrees in all, of which the two spirals turn 45/70 rad.
RAMP_D_ARC = round((math.radians(266.5) - 45.0 / 70.0) * 70.0, 3)
RAMP_D_ELEMENTS = [
    (9999, 9999, 30), (9999, 70, 45), (70, 70, RAMP_D_ARC), (70, 9999, 45),
    (9999, 9999, 26),
]
RAMP_A_GORE = 11450.0
RAMP_C_GORE = 12550.0
RAMP_D_GORE = 11962.0
RAMP_B_GORE = 12550.0


class Cli:
    def __init__(self, path):
        self.path = path

    def run(self, *args):
        done = subprocess.run([self.path, "--lang", "en", *args], cwd=HERE, capture_output=True, text=True)
        if done.returncode != 0:
            sys.exit("vomel-cli %s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr[:2000]))
        return done.stdout

    def xy(self, line, station, offset=0.0):
        x, y = self.run("station", *line, "--offset", repr(offset), repr(station)).split()
        return float(x), float(y)

    def solve_csv(self, line, points_cass):
        """Rows of the CSV results of CASS text `points_cass` on `line`."""
        with tempfile.NamedTemporaryFile("w", suffix=".dat", delete=False) as f:
            f.write(points_cass)
        try:
            text = self.run("solve", *line, "--points", f.name, "--points-format", "cass",
                            "--format", "csv")
        finally:
            os.unlink(f.name)
        rows = text.splitlines()
        header = rows[0].split(",")
        return [dict(zip(header, row.split(","))) for row in rows[1:]]


def packed_degrees(degrees):
    """D.MMSS with the seconds to 10^-6, as the element file's azimuth."""
    micro = round((degrees % 360.0) * 3600e6)
    d, rest = divmod(micro, 3600 * 10**6)
    m, s = divmod(rest, 60 * 10**6)
    return "%d.%02d%08d" % (d, m, s)


def main_azimuth(cli, station):
    """Degrees of the main line's tangent at `station` (on its straight)."""
    x0, y0 = cli.xy(MAIN, station)
    x1, y1 = cli.xy(MAIN, station + 1.0)
    return math.degrees(math.atan2(y1 - y0, x1 - x0))


def element_file(cli, gore, side, backwards, elements):
    """An element file starting on the main line's edge at `gore`."""
    x, y = cli.xy(MAIN, gore, side * EDGE)
    azimuth = main_azimuth(cli, gore)
    # Leaving to the right of the direction of travel: +angle.
    azimuth += 180.0 + GORE_ANGLE if backwards else GORE_ANGLE
    lines = ["0,%.4f,%.4f,%s" % (x, y, packed_degrees(azimuth))]
    lines += ["%s %s %s" % e for e in elements]
    return "\n".join(lines) + "\n"


def ramp_b_file(cli):
    """Ramp B as intersection points: from the crossroad to the right edge."""
    along = 100.0  # JD2 to the gore
    angle = math.radians(GORE_ANGLE)
    points = [
        ("QD", cli.xy(MAIN, 12017.0, -101.0), "0 0 0"),
        ("JD1", cli.xy(MAIN, 12130.0, -101.0), "500 60 60"),
        ("JD2", cli.xy(MAIN, RAMP_B_GORE - along * math.cos(angle),
                       -EDGE - along * math.sin(angle)), "500 60 60"),
        ("ZD", cli.xy(MAIN, RAMP_B_GORE, -EDGE), "0 0 0"),
    ]
    lines = ["K0,0.000"]
    for name, (x, y), curve in points:
        lines += [name, "%.4f %.4f %s" % (x, y, curve)]
    return "\n".join(lines) + "\n"


def landxml_elements(cli, ele_path):
    """The elements of an element file as (kind, rot, r1, r2, length, start
    station, end station, centre or None)."""
    out = []
    station = 0.0
    for text in open(os.path.join(HERE, ele_path)).read().splitlines()[1:]:
        r1, r2, length = (float(f) for f in text.split())
        end = station + length
        centre = None
        if r1 == 9999 and r2 == 9999:
            kind, rot = "Line", None
        elif r1 == r2:
            kind, rot = "Curve", "cw" if r1 > 0 else "ccw"
            # The centre lies R to the right (cw) or left (ccw) of the arc.
            centre = cli.xy(["--elements", ele_path], station, -r1)
        else:
            kind = "Spiral"
            rot = "cw" if (r1 if r1 != 9999 else r2) > 0 else "ccw"
        out.append((kind, rot, r1, r2, length, station, end, centre))
        station = end
    return out


def ramp_c_xml(cli, ele_path, profile):
    def point(station):
        x, y = cli.xy(["--elements", ele_path], station)
        return "%.10f %.10f" % (x, y)

    def radius(r):
        return "INF" if r == 9999 else "%g" % abs(r)

    elements = landxml_elements(cli, ele_path)
    total = elements[-1][6]
    body = []
    for kind, rot, r1, r2, length, start, end, centre in elements:
        if kind == "Line":
            body.append('        <Line length="%g">' % length)
        elif kind == "Curve":
            body.append('        <Curve rot="%s" radius="%s" length="%g">' % (rot, radius(r1), length))
        else:
            body.append('        <Spiral length="%g" radiusStart="%s" radiusEnd="%s" rot="%s" '
                        'spiType="clothoid">' % (length, radius(r1), radius(r2), rot))
        body.append("          <Start>%s</Start>" % point(start))
        if centre:
            body.append("          <Center>%.10f %.10f</Center>" % centre)
        body.append("          <End>%s</End>" % point(end))
        body.append("        </%s>" % kind)
    pvis = []
    for station, elevation, curve in profile:
        if curve:
            pvis.append('          <ParaCurve length="%g">%g %.3f</ParaCurve>' % (curve, station, elevation))
        else:
            pvis.append("          <PVI>%g %.3f</PVI>" % (station, elevation))
    return RAMP_C_TEMPLATE % {"length": "%.3f" % total, "elements": "\n".join(body),
                              "pvis": "\n".join(pvis)}


RAMP_C_TEMPLATE = """<?xml version="1.0" encoding="UTF-8"?>
<!-- Ramp C of the example interchange: it leaves the main line's left edge
     at K12+550 for the traffic running down the stations, turns right
     (R = 550 m) away from it and left (R = 450 m) to meet the crossroad.
     Written by build.py; points are "northing easting". -->
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">
  <Units>
    <Metric linearUnit="meter" areaUnit="squareMeter" volumeUnit="cubicMeter" angularUnit="decimal degrees" directionUnit="decimal degrees"/>
  </Units>
  <Alignments name="interchange">
    <Alignment name="C" length="%(length)s" staStart="0">
      <CoordGeom>
%(elements)s
      </CoordGeom>
      <Profile name="C">
        <ProfAlign name="C design">
%(pvis)s
        </ProfAlign>
      </Profile>
    </Alignment>
  </Alignments>
</LandXML>
"""

# Ramp C's profile (continuous station, elevation, vertical curve length):
# from the main line's edge at K12+550 (96.220) up to the crossroad.
RAMP_C_PROFILE = [
    (0.0, 96.220, 0),
    (150.0, 95.020, 160),
    (420.0, 100.150, 120),
    (547.5, 100.550, 0),
]


def write(name, text):
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write(text)
    print("wrote", name)


def build_lines(cli):
    write("ramp-a.ele", element_file(cli, RAMP_A_GORE, -1, False, RAMP_A_ELEMENTS))
    write("ramp-b.jdx", ramp_b_file(cli))
    write("ramp-b.dl", "%.3f %.3f\n" % (RAMP_B_BREAK_BACK, RAMP_B_BREAK_AHEAD))
    write("ramp-d.ele", element_file(cli, RAMP_D_GORE, 1, True, RAMP_D_ELEMENTS))
    with tempfile.TemporaryDirectory(dir=HERE) as folder:
        ele = os.path.join(os.path.basename(folder), "ramp-c.ele")
        write(ele, element_file(cli, RAMP_C_GORE, 1, True, RAMP_C_ELEMENTS))
        write("ramp-c.xml", ramp_c_xml(cli, ele, RAMP_C_PROFILE))


# ---------------------------------------------------------------- the project

class Line:
    """A [line] of interchange.vomelproj, with what the points need."""

    def __init__(self, section):
        self.name = section["name"]
        kind = next(k for k in ("jd", "elements", "landxml", "ifc") if k in section)
        self.args = ["--" + kind, section[kind]]
        if "dl" in section:
            self.args += ["--dl", section["dl"]]
        if "alignment" in section:
            self.args += ["--alignment", section["alignment"]]
        self.design = []
        for key in ("profile", "crossfall"):
            if key in section:
                self.design += ["--" + key, section[key]]
        # (back, ahead) of each chain break, continuous = stated + shift.
        self.breaks = []
        if "dl" in section:
            for text in open(os.path.join(HERE, section["dl"])).read().splitlines():
                if text.strip():
                    self.breaks.append(tuple(float(f) for f in text.split()[:2]))
        self.start = 0.0
        if kind == "jd":
            first = open(os.path.join(HERE, section[kind])).readline()
            self.start = float(first.split(",")[1])
        self.window_from = self.continuous(section["from"]) if "from" in section else None
        self.window_to = self.continuous(section["to"]) if "to" in section else None
        self.max_offset = float(section.get("max-offset", "inf"))
        self.codes = section.get("codes", "").replace(",", " ").split()
        self.prefixes = section.get("prefixes", "").replace(",", " ").split()
        self.end = None  # continuous station of the end, set by Project

    def continuous(self, stated):
        """A stated station (A1000.5, BK1+030.5, K0+015) as continuous."""
        text = stated.upper()
        chain = 0
        if text[0].isalpha() and text[0] != "K":
            chain = ord(text[0]) - ord("A")
            text = text[1:]
        if text.startswith("K"):
            km, metres = text[1:].split("+")
            value = int(km) * 1000 + float(metres)
        else:
            value = float(text)
        for back, ahead in self.breaks[:chain]:
            value += back - ahead
        return value

    def stated(self, station, digits=3):
        """The stated station text of a continuous station."""
        for index, (back, ahead) in enumerate(self.breaks):
            if station <= back:
                return "%s%.*f" % (chr(ord("A") + index), digits, station)
            station += ahead - back
        letter = chr(ord("A") + len(self.breaks)) if self.breaks else ""
        return "%s%.*f" % (letter, digits, station)

    def row_station(self, row):
        """The continuous station of a CSV row (its station is stated)."""
        return self.continuous(row["letter"] + row["station"])

    def holds(self, row):
        """True when the line holds the point of this CSV row."""
        station = self.row_station(row)
        return (row["status"] == "on-line"
                and (self.window_from is None or station >= self.window_from)
                and (self.window_to is None or station <= self.window_to)
                and abs(float(row["offset"])) <= self.max_offset)


def read_project():
    sections = []
    for text in open(os.path.join(HERE, "interchange.vomelproj"), encoding="utf-8"):
        text = text.strip()
        if not text or text.startswith("#") or text.startswith("vomel-project"):
            continue
        if text == "[line]":
            sections.append({})
        elif sections:
            key, value = (f.strip() for f in text.split("=", 1))
            sections[-1][key] = value
    return [Line(section) for section in sections]


def set_ends(cli, lines):
    """The continuous end station of every line, from its curve table."""
    for line in lines:
        last = cli.run("curves", *line.args).splitlines()[-1].split()
        # An element table ends on its last node; a curve table on the
        # end point, whose last field is its stated station.
        line.end = float(last[2]) if last[0] == "node" else line.continuous(last[-1])


# ------------------------------------------------------------------ the points

class Point:
    def __init__(self, label, line, station, offset, code="", rule="nearest"):
        self.label, self.line, self.station, self.offset = label, line, station, offset
        self.code, self.rule = code, rule
        self.x = self.y = self.elevation = None
        self.rows = {}  # line name -> CSV row of the point on that line


def cass_text(points, with_elevation=True):
    return "".join("%s,%s,%.4f,%.4f,%s\n" % (
        p.label, p.code, p.y, p.x,
        "%.3f" % p.elevation if with_elevation and p.elevation is not None else "")
        for p in points)


def set_out(cli, line, points):
    """Coordinates (rounded to 0.1 mm, as a controller keeps them) and the
    design elevation of points given by station and offset on `line`."""
    stations = "".join("%s %s %r\n" % (p.label, line.stated(p.station), p.offset) for p in points)
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write(stations)
    try:
        text = cli.run("stakeout", *line.args, *line.design, "--stations", f.name,
                       "--output-format", "cass")
    finally:
        os.unlink(f.name)
    for p, row in zip(points, text.splitlines()):
        label, _, y, x, elevation = row.split(",")
        assert label == p.label, (label, p.label)
        p.x, p.y = round(float(x), 4), round(float(y), 4)
        p.elevation = float(elevation) if elevation else None


def measure(cli, lines, points):
    """Each point's answer on every line."""
    for line in lines:
        for p, row in zip(points, cli.solve_csv(line.args, cass_text(points, False))):
            p.rows[line.name] = row


def ranking(lines, point):
    """(distance, line name) of the lines that hold the point, nearest first."""
    found = [(abs(float(point.rows[l.name]["offset"])), l.name)
             for l in lines if l.holds(point.rows[l.name])]
    return sorted(found)


def assigned_line(lines, point):
    """The line the project's rule gives the point (extensions aside: a
    point no line holds is checked apart, in check_unassigned)."""
    for line in lines:
        if point.code and point.code in line.codes:
            return line.name, "code"
    matches = [(len(prefix), line.name) for line in lines for prefix in line.prefixes
               if point.label.startswith(prefix)]
    if matches:
        return max(matches)[1], "prefix"
    ranks = ranking(lines, point)
    return (ranks[0][1], "nearest") if ranks else (None, "unassigned")


# Offsets tried for a point on a line, left positive (metres); the first
# one of the cycle from the point's place on that keeps the point nearest
# its own line is taken (on the main line and on the coded ramp the point
# keeps its offset and gets the line's code instead).
OFFSETS = [0.0, 3.5, -3.5, 7.5, -7.5, 11.25, -11.25, 15.0, -15.0, 20.0, -20.0, 1.8, -5.6]
RAMP_OFFSETS = [0.0, 2.0, -2.0, 4.5, -4.5, 8.0, -8.0, 12.0, -12.0, 20.0, -20.0, 0.75]
# A point of a line is kept without a code only when it is this much nearer
# its own line than any other (metres).
CLEAR_MARGIN = 0.5
# Gore points: how far the point lies past the place where both lines are
# equally far (metres along the ramp's normal, + towards the main line).
GORE_SHIFTS = [-2.0, 1.5, -0.02, 0.03, -0.6, 0.8, -0.01, 2.5]
# A gore point is at least this much nearer its line than the other (m).
GORE_MARGIN = 0.005
# Where the gore points lie: metres along the ramp from the gore.
GORE_DISTANCES = [6, 12, 20, 30, 42, 55, 70, 90]


def stations_every(line, step, margin=3.0):
    """Whole stations `step` apart from `margin` inside the line's start (or
    its window's) to `margin` inside its end."""
    first = line.start if line.window_from is None else line.window_from
    last = line.end if line.window_to is None else min(line.end, line.window_to)
    station = math.ceil(first + margin)
    stations = []
    while station <= last - margin:
        stations.append(float(station))
        station += step
    return stations


def clearly_nearest(lines, point, line):
    ranks = ranking(lines, point)
    return bool(ranks) and ranks[0][1] == line.name and (
        len(ranks) == 1 or ranks[1][0] - ranks[0][0] >= CLEAR_MARGIN)


def line_points(cli, lines, line, prefix, stations, offsets, code_every=0, label_prefix_every=0):
    """Points on `line` at `stations`, taking the offsets in turn. Where
    another line is nearer, a line with a code keeps the offset and codes
    the point; a line without one takes the next offset that works, or
    leaves the station out."""
    tries = [[Point(prefix, line.name, station, offsets[(i + j) % len(offsets)])
              for j in range(len(offsets))] for i, station in enumerate(stations)]
    every = [p for row in tries for p in row]
    set_out(cli, line, every)
    measure(cli, lines, every)
    chosen = []
    for row in tries:
        if line.codes:
            pick = row[0]
            if not clearly_nearest(lines, pick, line):
                pick.code, pick.rule = line.codes[0], "code"
        else:
            pick = next((p for p in row if clearly_nearest(lines, p, line)), None)
        if pick:
            chosen.append(pick)
    for n, p in enumerate(chosen, 1):
        p.label = "%s%03d" % (prefix, n)
        if label_prefix_every and n % label_prefix_every == 0:
            p.label, p.rule = "%s-%03d" % (prefix, n), "prefix"
        if code_every and n % code_every == 0 and not p.code:
            p.code, p.rule = line.codes[0], "code"
    return chosen


def gore_points(cli, lines, main, ramp, stations, first_label):
    """Points between the main line and `ramp` near their gore: for each
    ramp station, the place equally far from both, shifted by GORE_SHIFTS."""
    probe_offset = 4.0
    probes = [Point("probe", ramp.name, s, o) for s in stations for o in (0.0, probe_offset)]
    set_out(cli, ramp, probes)
    measure(cli, [main], probes)
    points = []
    for n, station in enumerate(stations):
        # The distance to the main line falls linearly with the offset on
        # the ramp here (both lines straight to a few mm over 4 m).
        d0, d4 = (abs(float(p.rows[main.name]["offset"])) for p in probes[2 * n:2 * n + 2])
        equal = d0 / (1.0 - (d4 - d0) / probe_offset)
        points.append(Point("G%03d" % (first_label + n), ramp.name, station,
                            round(equal + GORE_SHIFTS[n], 3), rule="gore"))
    set_out(cli, ramp, points)
    measure(cli, lines, points)
    for p in points:
        p.line = ranking(lines, p)[0][1]
    # The points nearer the main line: their station, offset and design
    # elevation there (the coordinates stay those set out on the ramp).
    mine = [p for p in points if p.line == main.name]
    for p in mine:
        p.station, p.offset = main.row_station(p.rows[main.name]), float(p.rows[main.name]["offset"])
    where = [(p.x, p.y) for p in mine]
    set_out(cli, main, mine)
    for p, (x, y) in zip(mine, where):
        p.x, p.y = x, y
    return points


# Points far from every line: (main line station, offset).
UNASSIGNED = [(10500.0, -300.0), (11200.0, 200.0), (12300.0, -250.0)]


def elevation_noise(n):
    """A surveyed elevation is within +-30 mm of the design here."""
    return ((n * 37) % 61 - 30) / 1000.0


def build_points(cli):
    lines = read_project()
    set_ends(cli, lines)
    main, ramp_a, ramp_b, ramp_c, ramp_d = lines
    # Both sides of each chain break: on the main line stated A13490 and
    # B13490 (the long chain repeats the stations from 13478.35 to 13500).
    near_main_break = [13490.0, 13495.0, 13501.65, 13511.65]
    near_ramp_b_break = [249.0, 251.0]
    points = line_points(cli, lines, main, "ZX", sorted(stations_every(main, 30, 5) + near_main_break),
                         OFFSETS, code_every=5)
    points += line_points(cli, lines, ramp_a, "A", stations_every(ramp_a, 12), RAMP_OFFSETS, code_every=4)
    points += line_points(cli, lines, ramp_b, "B", sorted(stations_every(ramp_b, 12) + near_ramp_b_break),
                          RAMP_OFFSETS)
    points += line_points(cli, lines, ramp_c, "C", stations_every(ramp_c, 12), RAMP_OFFSETS)
    points += line_points(cli, lines, ramp_d, "D", stations_every(ramp_d, 9), RAMP_OFFSETS,
                          label_prefix_every=6)
    gore = []
    for ramp, at_end in ((ramp_a, False), (ramp_b, True), (ramp_c, False), (ramp_d, False)):
        stations = [(ramp.end - d) if at_end else (ramp.start + d) for d in GORE_DISTANCES]
        gore += gore_points(cli, lines, main, ramp, stations, len(gore) + 1)
    points += gore
    far = [Point("U%03d" % (n + 1), main.name, s, o, rule="unassigned")
           for n, (s, o) in enumerate(UNASSIGNED)]
    set_out(cli, main, far)
    for p in far:
        p.line, p.station, p.offset = None, None, None
        p.elevation = round(p.elevation, 1) - 1.5  # the ground beside the road
    for n, p in enumerate(points):
        if p.elevation is not None:
            p.elevation += elevation_noise(n)
        if n % 23 == 11:
            p.elevation = None  # no elevation measured
    points += far
    write("points.dat", cass_text(points))
    write_expected(lines, points)


def write_expected(lines, points):
    rows = ["label,line,rule,station,offset"]
    for p in points:
        if p.line is None:
            rows.append("%s,,unassigned,," % p.label)
            continue
        line = next(l for l in lines if l.name == p.line)
        rows.append("%s,%s,%s,%s,%.4f" % (p.label, p.line, p.rule, line.stated(p.station, 4), p.offset))
    write("points.expected.csv", "\n".join(rows) + "\n")


# ------------------------------------------------------------------ the check

# Ramps closer than this to one another anywhere would cross or touch (m).
RAMP_CLEARANCE = 20.0
# A ramp's centre line may come this much inside the main line's edge (m).
EDGE_TOLERANCE = 0.001
# Sampling step along the ramps (m).
SAMPLE_STEP = 2.0
# A point lies where it was built to this (m): the coordinates are
# rounded to 0.1 mm, which moves station and offset by at most 0.071 mm.
BUILT_TOLERANCE = 0.0002
# How far the extensions of the lines are followed for the far points (m).
EXTENSION = 5000.0


class Failures:
    def __init__(self):
        self.texts = []

    def check(self, condition, text):
        if not condition:
            self.texts.append(text)


def check_files(cli, lines, failures):
    for line in lines:
        stations = [line.stated(line.start), line.stated(line.end)]
        text = cli.run("elevation", *line.args, *line.design, *stations)
        failures.check(len(text.split()) == 2, "%s: no design elevation at its ends" % line.name)
        if "--profile" in line.design:
            cli.run("profile", *line.args, *line.design[:2])
        print("%s: %s, %.3f m (%s to %s)%s" % (
            line.name, line.args[1], line.end - line.start, stations[0], stations[1],
            ", %d chain break(s)" % len(line.breaks) if line.breaks else ""))


def samples(cli, line):
    count = int((line.end - line.start) / SAMPLE_STEP)
    stations = [line.start + (line.end - line.start) * i / count for i in range(count + 1)]
    values = [float(v) for v in cli.run("station", *line.args, "--", *map(repr, stations)).split()]
    return list(zip(values[0::2], values[1::2]))


def check_crossings(cli, lines, failures):
    main, ramps = lines[0], lines[1:]
    sampled, sides = {}, {}
    for ramp in ramps:
        sampled[ramp.name] = samples(cli, ramp)
        cass = "".join("s%d,,%.6f,%.6f,\n" % (n, y, x) for n, (x, y) in enumerate(sampled[ramp.name]))
        offsets = [float(row["offset"]) for row in cli.solve_csv(main.args, cass)]
        side = 1 if offsets[len(offsets) // 2] > 0 else -1
        sides[ramp.name] = side
        nearest = min(side * o for o in offsets)
        failures.check(nearest >= EDGE - EDGE_TOLERANCE,
                       "%s comes %.3f m from the main line's centre" % (ramp.name, nearest))
        print("%s: %s of the main line, %.3f m from its centre at the nearest" % (
            ramp.name, "left" if side > 0 else "right", nearest))
    # Ramps on opposite sides cannot meet without crossing the main line.
    for i, first in enumerate(ramps):
        for second in ramps[i + 1:]:
            if sides[first.name] != sides[second.name]:
                continue
            gap = min(math.dist(p, q) for p in sampled[first.name] for q in sampled[second.name])
            failures.check(gap >= RAMP_CLEARANCE, "%s and %s come %.3f m apart" % (first.name, second.name, gap))
            print("%s - %s: %.1f m apart at the nearest" % (first.name, second.name, gap))


def read_points():
    points = []
    expected = open(os.path.join(HERE, "points.expected.csv"), encoding="utf-8").read().splitlines()[1:]
    for text, want in zip(open(os.path.join(HERE, "points.dat")).read().splitlines(), expected):
        label, code, y, x, elevation = text.split(",")
        fields = want.split(",")
        assert fields[0] == label, (fields[0], label)
        p = Point(label, fields[1] or None, fields[3], fields[4], code, fields[2])
        p.x, p.y = float(x), float(y)
        p.elevation = float(elevation) if elevation else None
        points.append(p)
    return points


def ray_distance(point, origin, through):
    """Distance from `point` to the ray from `origin` through `through`, or
    None when its foot would lie behind the origin."""
    dx, dy = through[0] - origin[0], through[1] - origin[1]
    t = ((point[0] - origin[0]) * dx + (point[1] - origin[1]) * dy) / (dx * dx + dy * dy)
    if t <= 0:
        return None
    return math.dist(point, (origin[0] + t * dx, origin[1] + t * dy))


def check_unassigned(cli, lines, points, failures):
    for line in lines:
        ends = [cli.xy(line.args, s) for s in (line.start, line.start - EXTENSION, line.end, line.end + EXTENSION)]
        for p in points:
            for origin, through in ((ends[0], ends[1]), (ends[2], ends[3])):
                d = ray_distance((p.x, p.y), origin, through)
                failures.check(d is None or d > line.max_offset,
                               "%s lies %.3f m from an extension of %s" % (p.label, d or 0, line.name))


def check_points(cli, lines, failures):
    points = read_points()
    measure(cli, lines, points)
    by_name = {line.name: line for line in lines}
    margins = []
    for p in points:
        line, rule = assigned_line(lines, p)
        failures.check(line == p.line and rule == ("nearest" if p.rule == "gore" else p.rule),
                       "%s goes to %s by %s, built for %s by %s" % (p.label, line, rule, p.line, p.rule))
        ranks = ranking(lines, p)
        if p.rule in ("nearest", "gore"):
            margin = ranks[1][0] - ranks[0][0] if len(ranks) > 1 else math.inf
            least = GORE_MARGIN if p.rule == "gore" else CLEAR_MARGIN
            failures.check(margin >= least, "%s is only %.4f m nearer %s" % (p.label, margin, p.line))
            if p.rule == "gore":
                margins.append((p.label, p.line, ranks[0][0], ranks[1][1], ranks[1][0]))
        if p.line:
            mine = by_name[p.line]
            row = p.rows[p.line]
            failures.check(abs(mine.row_station(row) - mine.continuous(p.station)) <= BUILT_TOLERANCE
                           and abs(float(row["offset"]) - float(p.offset)) <= BUILT_TOLERANCE,
                           "%s: %s %s on %s, built at %s %s" % (p.label, row["letter"] + row["station"],
                                                                row["offset"], p.line, p.station, p.offset))
    check_unassigned(cli, lines, [p for p in points if p.line is None], failures)
    for line in lines:
        mine = [p for p in points if p.line == line.name]
        print("%s: %d points: %d by code (%d of them nearer another line), %d by prefix, "
              "%d gore points" % (
                  line.name, len(mine), sum(p.rule == "code" for p in mine),
                  sum(p.rule == "code" and ranking(lines, p)[0][1] != line.name for p in mine),
                  sum(p.rule == "prefix" for p in mine), sum(p.rule == "gore" for p in mine)))
    print("unassigned: %s" % " ".join(p.label for p in points if p.line is None))
    print("gore points (label, line, its distance, the other line, its distance):")
    for label, line, mine, other, theirs in margins:
        print("  %s %s %.4f %s %.4f (%.4f nearer)" % (label, line, mine, other, theirs, theirs - mine))
    print("%d points" % len(points))


def build_check(cli):
    lines = read_project()
    set_ends(cli, lines)
    failures = Failures()
    check_files(cli, lines, failures)
    check_crossings(cli, lines, failures)
    check_points(cli, lines, failures)
    if failures.texts:
        sys.exit("\n".join(["check failed:"] + failures.texts))
    print("check passed")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.environ.get("VOMEL_CLI", "vomel-cli"))
    parser.add_argument("stage", choices=["lines", "points", "check"])
    args = parser.parse_args()
    cli = Cli(os.path.abspath(args.cli) if os.sep in args.cli else args.cli)
    {"lines": build_lines, "points": build_points, "check": build_check}[args.stage](cli)


if __name__ == "__main__":
    main()
