#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""After a press of "пресметни" a screen reader hears the results: proved on the
real accessibility bus. Run by scripts/results_heard.sh inside a virtual display
and a session bus of its own, where the AT-SPI bus starts on demand. Starts the
calculator with Qt's AT-SPI bridge on and drives it as a screen reader would:
types the sphere's radius through the field's editable text, presses the button
through its action, and listens for notifications that show, which screen
readers speak (Orca: its handler of "object:state-changed:showing" speaks a
notification's role and name). Exit status 0 when everything held.
"""
import os
import signal
import subprocess
import sys
import time

RESULTS = "S= 78,5398, V= 65,44984"  # the sphere with radius 2,5
WINDOW = "лица на повърхнини и обеми"
RADIUS = "сфера и кълбо: радиус="
CALCULATE = "сфера и кълбо: пресметни"
EVENT = "object:state-changed:showing"


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    program = os.path.abspath(os.path.join(build, "src", "stereometry"))
    calculator = None
    try:
        import pyatspi
        from gi.repository import GLib

        heard = []

        def listen(event):
            try:
                heard.append((event.source.getRoleName(), event.detail1, event.source.name))
            except Exception as error:  # a source gone meanwhile
                heard.append(("gone", 0, str(error)))

        pyatspi.Registry.registerEventListener(listen, EVENT)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           LC_ALL="bg_BG.UTF-8")
        calculator = subprocess.Popen([program], env=environment)

        def wait(seconds):  # lets the events come in
            end = time.monotonic() + seconds
            context = GLib.MainContext.default()
            while time.monotonic() < end:
                while context.pending():
                    context.iteration(False)
                time.sleep(0.02)

        def find(name):
            for _ in range(200):
                desktop = pyatspi.Registry.getDesktop(0)
                for app in desktop:
                    if app is None:
                        continue
                    found = pyatspi.findDescendant(app, lambda node: node is not None and node.name == name)
                    if found is not None:
                        return found
                wait(0.1)
            raise SystemExit(f"no accessible object named “{name}” on the bus")

        find(WINDOW)
        radius, calculate = find(RADIUS), find(CALCULATE)
        failures = []

        def ours():  # the notifications shown, by what they say
            return [name for role, showing, name in heard if role == "notification" and showing]

        def expect(count, what):
            """Waits for `count` events in all (10 s at most), then for any more."""
            end = time.monotonic() + 10
            while len(ours()) < count and time.monotonic() < end:
                wait(0.1)
            wait(1)
            if len(ours()) != count or any(data != RESULTS for data in ours()):
                failures.append(f"{what}: heard {ours()}, expected {count} × “{RESULTS}”")
            else:
                print(f"ok: {what}: {count} × “{RESULTS}” in all")

        radius.queryEditableText().setTextContents("2,5")
        calculate.queryAction().doAction(0)
        expect(1, "a press")
        calculate.queryAction().doAction(0)
        expect(2, "the same press again")
        radius.queryEditableText().setTextContents("")
        calculate.queryAction().doAction(0)  # an empty radius: an error box, nothing heard
        wait(2)
        expect(2, "a failed press")
        for failure in failures:
            print("FAIL:", failure)
        print("PASS" if not failures else "FAILED")
        return 1 if failures else 0
    finally:
        if calculator is not None and calculator.poll() is None:
            calculator.send_signal(signal.SIGTERM)
            try:
                calculator.wait(5)
            except subprocess.TimeoutExpired:
                calculator.kill()


if __name__ == "__main__":
    sys.exit(main())
