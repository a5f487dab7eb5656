#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""stereometry-solve --worksheet and --answer through their JSON, as a teacher's
script uses them: a sheet comes out the same for the same number; every task's
givens, given back to the solver as they stand, solve to the key; the key's own
exact forms are marked right and values 1 % off wrong, with a hint; options out
of range stop with status 2 and a message that names them.

Usage: worksheet_command_test.py PATH/TO/stereometry-solve"""
import json
import subprocess
import sys

SOLVE = sys.argv[1]
failures = []


def run(*args):
    return subprocess.run([SOLVE, *args], capture_output=True, text=True, check=False)


def expect(condition, what):
    if not condition:
        failures.append(what)


def check_task(task, pi_options):
    asked = task["asked"]
    right = [f"--answer={key}={task['answers'][key]['exact']}" for key in asked]
    wrong = [f"--answer={key}={task['answers'][key]['value'] * 1.01:.4f}" for key in asked]
    name = f"{task['solid']} {' '.join(task['givens'])} {pi_options}"
    for answers, correct in ((right, True), (wrong, False)):
        result = run(*pi_options, "--json", task["solid"], *task["givens"], *answers)
        expect(result.returncode == 0, f"{name}: status {result.returncode} {result.stderr}")
        if result.returncode != 0:
            return
        solved = json.loads(result.stdout)
        expect(len(solved["solutions"]) == 1, f"{name}: {len(solved['solutions'])} solutions")
        for key in asked:
            value = solved["solutions"][0][key]["value"]
            keyed = task["answers"][key]["value"]
            expect(abs(value - keyed) <= 1e-9 * max(1, abs(keyed)), f"{name}: {key} = {value}, the key {keyed}")
            marked = solved["answers"][key]
            expect(marked["correct"] is correct, f"{name}: {marked['typed']} marked {marked['message']}")
            expect(correct or marked["hint"], f"{name}: no hint for {key}")


for pi in ("exact", "3.14"):
    options = ["--worksheet", "--seed=31", "--count=12", f"--pi={pi}", "--json"]
    first, second = run(*options), run(*options)
    expect(first.returncode == 0 and first.stdout == second.stdout, f"--pi={pi}: not the same sheet twice")
    sheet = json.loads(first.stdout)
    expect(sheet["seed"] == 31 and len(sheet["tasks"]) == 12, f"--pi={pi}: seed or count")
    variant_b = json.loads(run(*options, "--variant=B").stdout)
    for a, b in zip(sheet["tasks"], variant_b["tasks"]):
        expect(a["solid"] == b["solid"] and a["asked"] == b["asked"] and a["givens"] != b["givens"],
               f"variant B's {b['givens']} against A's {a['givens']}")
    for task in sheet["tasks"]:
        check_task(task, [] if pi == "exact" else ["--pi=3.14"])

# A grade's sheet: its grade in the settings and the query, every task solved
# to the key by the solver with that grade and the asked quantities, and no
# tangent in its key's steps.
graded = json.loads(run("--worksheet", "--seed=31", "--count=8", "--grade=6", "--solids=prism,pyramid,cone",
                        "--json").stdout)
expect(graded["settings"]["grade"] == 6 and graded["query"].endswith("&grade=6") and len(graded["tasks"]) >= 6,
       f"--grade=6: {graded['settings']} {graded['query']}")
for task in graded["tasks"]:
    asked = [f"{key}=?" for key in task["asked"]]
    result = run("--grade=6", "--json", task["solid"], *task["givens"], *asked)
    solved = json.loads(result.stdout) if result.stdout else {}
    expect(result.returncode == 0 and len(solved.get("solutions", [])) == 1,
           f"--grade=6 {task['solid']} {task['givens']}: {result.returncode} {solved.get('message')}")
    steps = " ".join(task["steps"] + [step for answer in task["answers"].values() for step in answer["steps"]])
    expect(not any(word in steps for word in ("tg", "sin", "cos")), f"--grade=6 {task['givens']}: {steps}")

# From grade 10 a sheet gives angles too (a cone's generator at 30°, a pyramid's faces at 60°),
# each solved to its key at that grade and its words read back by --text; before it, none.
for grade, angles_expected in ((9, False), (11, True)):
    sheet = json.loads(run("--worksheet", "--seed=5", "--count=16", f"--grade={grade}", "--solids=cone,pyramid",
                           "--json").stdout)
    with_angles = [task for task in sheet["tasks"] if any(g.split("=")[0] in ("α", "φ") for g in task["givens"])]
    expect(bool(with_angles) == angles_expected, f"--grade={grade}: {len(with_angles)} tasks with an angle")
    for task in with_angles:
        asked = [f"{key}=?" for key in task["asked"]]
        result = run(f"--grade={grade}", "--json", task["solid"], *task["givens"], *asked)
        solved = json.loads(result.stdout) if result.stdout else {}
        expect(result.returncode == 0 and len(solved.get("solutions", [])) == 1,
               f"--grade={grade} {task['solid']} {task['givens']}: {result.returncode} {solved.get('message')}")
        for key, answer in task["answers"].items():
            found = solved["solutions"][0][key]
            expect(abs(found["value"] - answer["value"]) <= 1e-9 * max(1, abs(answer["value"])),
                   f"{task['givens']}: {key} = {found['value']}, key {answer['value']}")
        read = json.loads(run("--json", "--text", task["text"]).stdout)
        expect(sorted(read["read"]["givens"]) == sorted(g.split("=")[0] for g in task["givens"]),
               f"{task['text']}: read {read['read']['givens']}")

# The frustums from grade 10, chosen by their keys or among all solids: the
# larger base first, every task solved to its key at that grade, its words read
# back by --text; named before grade 10, they stop the sheet with a sentence.
FRUSTUMS = ("cone-frustum", "pyramid-frustum")
frustums = json.loads(run("--worksheet", "--seed=12", "--count=10", "--grade=10", f"--solids={','.join(FRUSTUMS)}",
                          "--json").stdout)
expect(frustums["settings"]["solids"] == list(FRUSTUMS) and len(frustums["tasks"]) == 10
       and {task["solid"] for task in frustums["tasks"]} == set(FRUSTUMS),
       f"--solids=frustums: {frustums['settings']} {[task['solid'] for task in frustums['tasks']]}")
for task in frustums["tasks"]:
    givens = dict(given.split("=") for given in task["givens"])
    larger, smaller = ("r1", "r2") if task["solid"] == "cone-frustum" else ("a1", "a2")
    expect(float(givens[larger]) > float(givens[smaller]), f"{task['text']}: the larger base not first")
    check_task(task, ["--grade=10"])
    read = json.loads(run("--json", "--text", task["text"]).stdout)["read"]
    expect(read["solid"] == task["solid"] and sorted(read["givens"]) == sorted(givens) and not read["unread"],
           f"{task['text']} read as {read}")
every = json.loads(run("--worksheet", "--seed=12", "--count=30", "--grade=12", "--json").stdout)
expect(every["settings"]["solids"][-2:] == list(FRUSTUMS) and "cone-frustum,pyramid-frustum&" in every["query"]
       and set(FRUSTUMS) <= {task["solid"] for task in every["tasks"]}, f"--grade=12: {every['query']}")
early = run("--worksheet", "--grade=9", "--solids=cone,pyramid-frustum")
expect(early.returncode == 2 and "pyramid-frustum" in early.stderr and "10. клас" in early.stderr,
       f"--grade=9 --solids=pyramid-frustum: {early.returncode} {early.stderr}")

# The right prisms and pyramids on bases of other shapes, chosen by their keys:
# a full sheet and its variant B with other numbers, every task's key marked
# by the checker, and every task's words read back by --text to its solid,
# its givens and what it asks.
ON_BASES = ("prism-right-triangle,prism-isosceles-triangle,prism-triangle,prism-rectangle,prism-rhombus,"
            "prism-parallelogram,prism-isosceles-trapezoid,prism-right-trapezoid,pyramid-right-triangle-edges,"
            "pyramid-right-triangle-faces,pyramid-isosceles-triangle-edges,pyramid-isosceles-triangle-faces,"
            "pyramid-triangle-edges,pyramid-triangle-faces,pyramid-rectangle-edges,pyramid-rhombus-faces,"
            "pyramid-isosceles-trapezoid-edges")
for numbers in ("whole", "decimal"):
    options = ["--worksheet", "--seed=35", "--count=17", f"--solids={ON_BASES}", f"--numbers={numbers}", "--json"]
    on_bases = json.loads(run(*options).stdout)
    variant_b = json.loads(run(*options, "--variant=B").stdout)
    expect(len(on_bases["tasks"]) == 17 and on_bases["query"].find("solids=prism-right-triangle,") > 0,
           f"bases {numbers}: {len(on_bases['tasks'])} tasks, {on_bases['query']}")
    expect(len({task["solid"] for task in on_bases["tasks"]}) == 17, f"bases {numbers}: not every solid once")
    for a, b in zip(on_bases["tasks"], variant_b["tasks"]):
        expect(a["solid"] == b["solid"] and a["text"] != b["text"], f"bases: variant B's {b['text']}")
    for task in on_bases["tasks"]:
        check_task(task, [])
        read = json.loads(run("--json", "--text", task["text"]).stdout)["read"]
        givens = {key: value.split(" ")[0] for key, value in read["givens"].items()}
        keyed = dict(given.replace(".", ",").split("=") for given in task["givens"])
        expect(read["solid"] == task["solid"] and givens == keyed and sorted(read["asked"]) == sorted(task["asked"])
               and not read["unread"], f"{task['text']} read as {read}")
# The bodies of two solids, chosen by their keys: a grade-6 sheet with π ≈ 3,14
# whose keys take no root or Pythagoras, and the two cones of a triangle turned
# about a side from grade 10; every task solved to its key and read back by
# --text; the two cones named before grade 10 stop the sheet.
BODIES = "cylinder-cone,cylinder-hemisphere,hollow-cylinder,prism-pyramid,cone-hemisphere"
for options in (["--grade=6", "--pi=3.14", f"--solids={BODIES}"], ["--grade=11", f"--solids={BODIES},double-cone"]):
    bodies = json.loads(run("--worksheet", "--seed=77", "--count=10", *options, "--json").stdout)
    expect(len(bodies["tasks"]) == 10 and {task["solid"] for task in bodies["tasks"]} == set(bodies["settings"]["solids"]),
           f"bodies {options}: {[task['solid'] for task in bodies['tasks']]}")
    for task in bodies["tasks"]:
        check_task(task, [options[0]] + ([options[1]] if options[1].startswith("--pi") else []))
        steps = " ".join(task["steps"] + [step for answer in task["answers"].values() for step in answer["steps"]])
        expect(options[0] != "--grade=6" or not any(mark in steps for mark in ("√", "tg", "sin", "cos")),
               f"grade 6 {task['text']}: {steps}")
        read = json.loads(run("--json", "--text", task["text"]).stdout)["read"]
        givens = {key: value.split(" ")[0].rstrip("°") for key, value in read["givens"].items()}
        keyed = dict(given.replace(".", ",").split("=") for given in task["givens"])
        expect(read["solid"] == task["solid"] and givens == keyed and sorted(read["asked"]) == sorted(task["asked"])
               and not read["unread"], f"{task['text']} read as {read}")
# The sphere about a solid and the ball in it (grade 11): asked (the ball in a
# frustum, which sets its height) and given (a cube from the sphere about it);
# answers to them marked by --answer, every task read back by --text.
sphere_keys = {"Rc", "Sc", "Vc", "ri", "Si", "Vi"}
for kind, solids in (("direct", "prism,cone-frustum,pyramid-frustum"), ("inverse", "cube,prism,cylinder,cone")):
    sheet = json.loads(run("--worksheet", "--seed=12", "--count=20", "--grade=11", f"--solids={solids}",
                           f"--kind={kind}", "--json").stdout)
    sphered = [task for task in sheet["tasks"]
               if sphere_keys & ({given.split("=")[0] for given in task["givens"]} | set(task["asked"]))]
    expect(len(sphered) >= 2, f"--kind={kind}: {len(sphered)} tasks with a sphere or a ball")
    for task in sphered:
        check_task(task, ["--grade=11"])
        read = json.loads(run("--json", "--text", task["text"]).stdout)["read"]
        givens = {key: value.split(" ")[0] for key, value in read["givens"].items()}
        keyed = dict(given.replace(".", ",").split("=") for given in task["givens"])
        expect(read["solid"] == task["solid"] and givens == keyed and sorted(read["asked"]) == sorted(task["asked"])
               and not read["unread"], f"{task['text']} read as {read}")
early = run("--worksheet", "--grade=9", "--solids=double-cone")
expect(early.returncode == 2 and "double-cone" in early.stderr and "10. клас" in early.stderr,
       f"--grade=9 --solids=double-cone: {early.returncode} {early.stderr}")
unknown = run("--worksheet", "--solids=prism-rhombus,rhombus")
expect(unknown.returncode == 2 and "„rhombus“" in unknown.stderr and "pyramid-rhombus-faces" in unknown.stderr,
       f"--solids=rhombus: {unknown.returncode} {unknown.stderr}")

plain = run("--worksheet", "--seed=31", "--count=3")
expect(plain.returncode == 0 and plain.stdout.startswith("Лист № 31, вариант А") and "Отговори" in plain.stdout,
       "the plain sheet: " + plain.stdout[:200])
for options, named in ((["--worksheet", "--count=31"], "--count"), (["--worksheet", "--kind=both"], "--kind"),
                       (["--worksheet", "--seed=x"], "--seed"), (["cone", "r=3", "h=4", "--answer=x=3"], "„x“"),
                       (["cone", "r=3", "h=4", "--answer=V"], "--answer"), (["--worksheet", "--grade=5"], "--grade")):
    result = run(*options)
    expect(result.returncode == 2 and named in result.stderr, f"{options}: {result.returncode} {result.stderr}")

for failure in failures[:20]:
    print(failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
