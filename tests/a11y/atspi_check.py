#!/usr/bin/python3
"""What a screen reader gets from the running program over AT-SPI.

Runs itself inside a private D-Bus session, which also starts the
accessibility bus on demand, against the program given as the first
argument, on the display in RVPDF_TEST_DISPLAY. Each check names an
accessible the reader must find; the program is started with a private
home and ended at the end. Every look is made by a fresh process, as a
screen reader starting then would: a long-lived one only learns of new
programs from events."""

import os
import subprocess
import sys
import tempfile
import time

TIMEOUT = 90.0


def find(node, match, depth=0):
    """The first accessible below node for which match holds."""
    if node is None or depth > 40:
        return None
    try:
        if match(node):
            return node
        count = node.childCount
    except Exception:
        return None
    for i in range(count):
        try:
            found = find(node.getChildAtIndex(i), match, depth + 1)
        except Exception:
            found = None
        if found is not None:
            return found
    return None


def checks():
    import pyatspi

    def button_named(name):
        # A button that stays pressed reads as a toggle (Qt says check box).
        roles = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)
        return lambda node: node.getRole() in roles and node.name == name

    # Buttons a reader must name: one with text, and ones that show only an
    # icon, whose name is their tooltip.
    return [
        ("the home page's \"Open PDF\" button", button_named("Open PDF")),
        ("the title bar's \"Main Menu\" button (an icon only)", button_named("Main Menu")),
        ("the \"Startup Page\" button (an icon only)", button_named("Startup Page")),
        ("the tab strip", lambda node: node.getRole() == pyatspi.ROLE_PAGE_TAB_LIST and node.name == "Documents"),
        # The strip paints its tabs: each still reads as a page tab named
        # after its document, the one shown selected.
        ("the document's tab", lambda node: node.getRole() == pyatspi.ROLE_PAGE_TAB and node.name == "reader check"
         and node.getState().contains(pyatspi.STATE_SELECTED)),
        # The page itself, read as a document: its text is the page's text.
        ("the page's text", lambda node: node.getRole() == pyatspi.ROLE_DOCUMENT_FRAME and node.name == "Page 1 of 1"
         and "Hello reader" in page_text(node)),
    ]


def page_text(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return ""


def look(pid):
    """One look at the program with this pid: 0 when every check holds,
    2 when something is not there (yet)."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    app = None
    for i in range(desktop.childCount):
        try:
            candidate = desktop.getChildAtIndex(i)
            if candidate is not None and candidate.get_process_id() == pid:
                app = candidate
        except Exception:
            continue
    if app is None:
        print("no application with pid %d" % pid)
        return 2
    missing = 0
    for what, match in checks():
        node = find(app, match)
        if node is None:
            print("missing " + what)
            missing += 1
        else:
            print("found %s: role %s, name '%s'" % (what, node.getRoleName(), node.name))
    return 2 if missing else 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--look":
        sys.exit(look(int(sys.argv[2])))
    if len(sys.argv) < 2:
        raise SystemExit("usage: atspi_check.py <program>")
    display = os.environ.get("RVPDF_TEST_DISPLAY")
    if not display:
        raise SystemExit("AT-SPI check: needs the test display (RVPDF_TEST_DISPLAY)")
    root = os.environ.get("RVPDF_ATSPI_ROOT")
    if not root:
        # A private home and runtime folder, then a session bus of our own
        # in them: the accessibility bus it starts puts its socket there,
        # not where another session's (or the user's) is.
        root = tempfile.mkdtemp(prefix="rvpdf-atspi-")
        env = dict(os.environ)
        for name, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                          ("XDG_CACHE_HOME", "cache"), ("XDG_STATE_HOME", "state"), ("XDG_RUNTIME_DIR", "runtime"),
                          ("TMPDIR", "tmp")):
            os.makedirs(os.path.join(root, sub), mode=0o700, exist_ok=True)
            env[name] = os.path.join(root, sub)
        env["RVPDF_ATSPI_ROOT"] = root
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        try:
            code = subprocess.call(["dbus-run-session", "--", sys.executable, __file__] + sys.argv[1:], env=env)
        finally:
            subprocess.call(["rm", "-rf", root])
        sys.exit(code)
    env = dict(os.environ)
    env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                "RVPDF_DISABLE_REPORTS": "1", "RVPDF_REPORT_URL": "http://127.0.0.1:9",
                "RVPDF_ANALYTICS_URL": "http://127.0.0.1:9/mp/collect",
                "RVPDF_CRASH_URL": "http://127.0.0.1:9/crash/v1/upload"})
    # A one-page document saying "Hello reader"; the engine rebuilds its
    # cross-reference table.
    document = os.path.join(root, "reader check.pdf")
    content = "BT /F1 24 Tf 20 100 Td (Hello reader) Tj ET"
    with open(document, "w") as pdf:
        pdf.write("%%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                  "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
                  "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200] /Contents 4 0 R "
                  "/Resources << /Font << /F1 5 0 R >> >> >> endobj\n"
                  "4 0 obj << /Length %d >> stream\n%s\nendstream endobj\n"
                  "5 0 obj << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> endobj\n"
                  "trailer << /Root 1 0 R >>\n%%%%EOF\n" % (len(content), content))
    program = subprocess.Popen([sys.argv[1], document], env=env, cwd=env["HOME"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    said = ""
    try:
        # The accessibility bus starts once the program shows its window, as
        # a reader asks for it: started before, it was not reached here (by
        # stock programs of the toolkit either). The readers are told its
        # address outright, not the one the display's root window may name
        # (another session's).
        end = time.monotonic() + TIMEOUT
        while time.monotonic() < end and subprocess.call(
                ["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=dict(env, DISPLAY=display)) != 0:
            time.sleep(0.2)
        reply = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True, timeout=30)
        if reply.returncode == 0 and reply.stdout.strip():
            os.environ["AT_SPI_BUS_ADDRESS"] = reply.stdout.strip()
        end = time.monotonic() + TIMEOUT
        while time.monotonic() < end:
            run = subprocess.run([sys.executable, __file__, "--look", str(program.pid)],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, timeout=TIMEOUT)
            said = run.stdout
            if run.returncode == 0:
                print(said + "AT-SPI check: passed")
                return
            time.sleep(0.5)
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
    raise SystemExit(said + "AT-SPI check: failed within %d s" % TIMEOUT)


if __name__ == "__main__":
    main()
