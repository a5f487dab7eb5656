#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""stereometry-solve on every school task of the solver's table: its exit
status, its JSON (every quantity of the solid in every solution, a step list
per solution) and its answers, the exact forms compared with the answer key by
SymPy and the decimals with the exact forms at the task's π; and the plain
output for each task with the same exit status.

    command_line_test.py STEREOMETRY_SOLVE STEREOMETRY_SOLVER_TASKS
"""
import json
import math
import subprocess
import sys
import tempfile

import sympy

EXIT = {"solved": 0, "none": 1, "underdetermined": 1, "invalid": 2}
QUANTITIES = {
    "cube": "a d d1 S S1 V", "box": "a b c d S S1 V d1 α β γ", "prism": "n a h P B S S1 V d1 α d β γ",
    "pyramid": "n a h k k1 b r R P B S S1 V α φ γ hb ψ", "polygon": "n a P B r R",
    "cylinder": "r d h S S1 V Q d1 α", "cone": "r d h l S S1 V Q α β θ", "sphere": "r d S V",
    "double-cone": "r d c h1 h2 l1 l2 γ B S1 S2 S V1 V2 V",
    "cylinder-cone": "r d h1 h2 H l B S1 S2 S V1 V2 V", "cylinder-hemisphere": "r d h H B S1 S2 S V1 V2 V",
    "hollow-cylinder": "R r D d t h B S1 S2 S V1 V2 V", "prism-pyramid": "a h1 h2 H k B S1 S2 S V1 V2 V",
    "cylinder-without-cone": "r d h1 h2 l B S1 S2 S V1 V2 V",
    "cylinder-two-cones": "r d h1 h2 H l B S1 S2 S V1 V2 V",
    "cylinder-without-two-cones": "r d h1 h2 m l S1 S2 S V1 V2 V",
    "cone-hemisphere": "r d h H l B S1 S2 S V1 V2 V",
}
ANGLES = {"α", "β", "γ", "φ", "θ", "ψ"}


AREAS = {"S", "S1", "S2", "B", "Q", "So", "Sd", "Sp", "Sc", "Si"}
VOLUMES = {"V", "V1", "V2", "Vt", "Vc", "Vi"}
# The quantities of use a solid takes in where a task names them, and the mass
# unit beside each unit of length (a density is a mass per its cube).
USES = {"B", "f", "Vt", "cV", "CV", "ρ", "m", "mt", "Sd", "Sp", "cS", "CS", "So"}
# The sums of a polyhedron's edges, likewise taken in where a task names one.
USES |= {"E", "El", "Eb"}
# The sphere described about a solid and the ball inscribed in it, with the
# radius of its base's circle where the solid's table has none (a prism's).
USES |= {"Rc", "dc", "Sc", "Vc", "ri", "di", "Si", "Vi", "R", "r"}
MASS = {"mm": "g", "cm": "g", "dm": "kg", "m": "kg"}


def expected_unit(outcome, key):
    """The unit of a quantity's value: the results' unit, squared or cubed; none for n."""
    unit = outcome["unit"]
    if key in ANGLES:
        return "°"
    if key in ("CV", "CS"):
        return "лв."
    if unit is None or key in ("n", "f"):
        return ""
    if key in ("m", "mt"):
        return MASS[unit]
    if key == "ρ":
        return MASS[unit] + "/" + unit + "³"
    if key in ("cS", "cV"):
        return "лв./" + unit + ("²" if key == "cS" else "³")
    return unit + ("²" if key in AREAS else "³" if key in VOLUMES else "")


def run(solve, words, json_output):
    arguments = [solve] + (["--json"] if json_output else []) + words
    return subprocess.run(arguments, capture_output=True, text=True, timeout=20)


def check_answer(failures, where, solution, item, pi):
    key, sign, expected = item.partition("~") if "~" in item else item.partition("=")
    got = solution.get(key)
    if got is None:
        failures.append(f"{where}: no {key}")
        return
    if expected == "-":
        if got["value"] is not None:
            failures.append(f"{where}: {key} should not be determined, got {got['value']}")
        return
    if sign == "~":
        places = len(expected.split(".")[1]) if "." in expected else 0
        if got["exact"] is not None:
            failures.append(f"{where}: {key} has an exact form {got['exact']}, expected a decimal")
        if abs(got["value"] - float(expected)) > 0.6 * 10 ** -places:
            failures.append(f"{where}: {key} = {got['value']}, expected {expected}")
        return
    if got["exact"] is None:
        failures.append(f"{where}: {key} has no exact form, expected {expected}")
        return
    exact = sympy.sympify(got["exact"])
    if sympy.simplify(exact - sympy.sympify(expected)) != 0:
        failures.append(f"{where}: {key} = {got['exact']}, expected {expected}")
    decimal = float(exact.subs(sympy.pi, pi)) if pi else float(sympy.N(exact, 30))
    if not math.isclose(got["value"], decimal, rel_tol=1e-12):
        failures.append(f"{where}: {key} value {got['value']} is not {got['exact']} = {decimal}")


def check_task(solve, task, failures):
    words = task["task"].split()
    where = task["task"]
    pi = 3.14 if "--pi=3.14" in words else 3.141592 if "--pi=3.141592" in words else None
    result = run(solve, words, True)
    if result.returncode != EXIT[task["status"]]:
        failures.append(f"{where}: exit status {result.returncode}, expected {EXIT[task['status']]}")
    outcome = json.loads(result.stdout)
    if outcome["status"] != task["status"]:
        failures.append(f"{where}: {outcome['status']}, expected {task['status']}: {outcome['message']}")
        return
    if task["message"] not in outcome["message"]:
        failures.append(f"{where}: message without „{task['message']}“: {outcome['message']}")
    if run(solve, words, False).returncode != result.returncode:
        failures.append(f"{where}: the plain output exits otherwise")
    if task["status"] != "solved":
        if not outcome["message"] or outcome["solutions"]:
            failures.append(f"{where}: a {task['status']} outcome needs a message and no solution")
        return
    solutions = outcome["solutions"]
    if len(solutions) != len(task["answers"]) or len(outcome["steps"]) != len(solutions):
        failures.append(f"{where}: {len(solutions)} solutions, {len(outcome['steps'])} step lists")
        return
    for number, (solution, answers) in enumerate(zip(solutions, task["answers"]), 1):
        # A solid on a base of its own shape has its base's letters besides its own.
        # A task that names a quantity of use has some of them besides.
        own = sorted(key for key in solution if key not in USES or key in QUANTITIES.get(outcome["solid"], "").split())
        if outcome["solid"] in QUANTITIES and own != sorted(QUANTITIES[outcome["solid"]].split()):
            failures.append(f"{where}: solution {number} has {sorted(solution)}")
        for key, quantity in solution.items():
            if quantity.get("unit") != expected_unit(outcome, key):
                failures.append(f"{where}: {key} has the unit {quantity.get('unit')!r}, expected {expected_unit(outcome, key)!r}")
        for item in answers.split():
            check_answer(failures, f"{where} (solution {number})", solution, item, pi)


def main():
    solve, export = sys.argv[1], sys.argv[2]
    with tempfile.NamedTemporaryFile(suffix=".json") as tasks_file:
        subprocess.run([export, tasks_file.name, "--frustums", "--bodies"], check=True)
        tasks = json.load(open(tasks_file.name, encoding="utf-8"))
    failures = []
    for task in tasks:
        check_task(solve, task, failures)
    for failure in failures:
        print(failure)
    print(f"{len(tasks)} tasks, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
