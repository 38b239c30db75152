# SPDX-License-Identifier: GPL-2.0-or-later
# Finds the program (by process id) on the AT-SPI bus and walks its main window: every showing
# control that takes the focus or is pressed must have a name; so must the grid and its headings.  Exit 77 when the registry cannot be reached.
import sys
import time

try:
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
except Exception as e:  # no bus, no registry
    print("SKIPPED: the AT-SPI registry cannot be reached:", e)
    sys.exit(77)

pid = int(sys.argv[1])


def find_program():
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


# the program registers once its window is up; an unbounded wait would hang a broken run
app = None
for _ in range(600):
    app = find_program()
    if app is not None and app.childCount > 0:
        break
    time.sleep(0.1)
if app is None or app.childCount == 0:
    print("FAIL: the program never appeared on the accessibility bus")
    sys.exit(1)

window = app[0]
if not window.name.startswith("Bindlow Books 97"):
    print("FAIL: the main window is read as", repr(window.name))
    sys.exit(1)

# the roles of what a user presses or chooses, focusable or not (drawn buttons take no focus)
ACTED = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
         pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT}
unnamed = []
named = 0
grid = None


def walk(node, depth=0):
    global named, grid
    if node is None or depth > 30:
        return
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    role = node.getRole()
    if role == pyatspi.ROLE_TABLE:
        if grid is None:
            grid = node
        return  # its cells are the books
    if states.contains(pyatspi.STATE_FOCUSABLE) or role in ACTED:
        if node.name.strip():
            named += 1
        else:
            unnamed.append("%s (child of %s)" % (node.getRoleName(), node.parent.name if node.parent else "?"))
    for child in node:
        walk(child, depth + 1)


walk(window)
if grid is None:
    print("FAIL: no grid in the main window")
    sys.exit(1)
if grid.name != "Book Viewer":
    print("FAIL: the grid is read as", repr(grid.name))
    sys.exit(1)
table = grid.queryTable()
headings = [table.getColumnDescription(c) or (table.getColumnHeader(c).name if table.getColumnHeader(c) else "")
            for c in range(table.nColumns)]
if not headings or any(not h.strip() for h in headings):
    print("FAIL: column headings without names:", headings)
    sys.exit(1)
if named < 20:  # the command bar, the navigator and the menus at the least
    print("FAIL: only %d controls were read; the walk did not see the window" % named)
    sys.exit(1)
if unnamed:
    print("FAIL: %d of %d focusable controls have no name: %s" % (len(unnamed), len(unnamed) + named, "; ".join(unnamed)))
    sys.exit(1)
print("ok: %d controls named, the grid and its %d headings" % (named, len(headings)))
