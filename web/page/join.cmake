# The page's scripts, one a role, joined into SITE/page.js in the order they
# run: one request, however many roles. They are joined inside one block, so
# that their names stay out of the page's global scope (which the program's
# own script shares); broadcast.js, the last, puts the one global the
# program calls, Broadcast. Each script names nothing at its top level but
# its module (Clock, Elements, ...); it may use an earlier one's module when
# it loads, and any of them later, when the page calls it.
set(PAGE_SCRIPTS clock elements targets keys shapes sheet voice captions fit tip notice offline share
    address end live start broadcast)

set(joined "// The page around the broadcast, joined from web/page/ by the build.\n")
string(APPEND joined "\"use strict\";\n{\n")
foreach(script ${PAGE_SCRIPTS})
  file(READ ${SOURCE}/web/page/${script}.js text)
  string(APPEND joined "// ---- ${script}.js\n${text}")
endforeach()
string(APPEND joined "}\n")
# Written only when it changed, as the other files of the site are copied.
file(CONFIGURE OUTPUT ${SITE}/page.js CONTENT "${joined}" @ONLY)
