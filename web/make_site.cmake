# Puts the site together around the built program: cmake -DSOURCE=... -DSITE=... -DFONTS=... -P
# The folder then holds every file the page needs and nothing else.

# What an earlier build left and this one does not make goes.
file(REMOVE_RECURSE ${SITE}/fonts ${SITE}/pictures)
foreach(page index.html page.css page.js manifest.webmanifest)
  configure_file(${SOURCE}/web/${page} ${SITE}/${page} COPYONLY)
endforeach()
# Our pictures without the comments and the layout that only their authors
# read: the same drawing in fewer bytes.
file(GLOB pictures ${SOURCE}/assets/*.svg)
foreach(picture ${pictures})
  file(READ ${picture} svg)
  string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" svg "${svg}")
  string(REGEX REPLACE "[ \t\r\n]+" " " svg "${svg}")
  string(REPLACE "> <" "><" svg "${svg}")
  string(STRIP "${svg}" svg)
  get_filename_component(name ${picture} NAME)
  file(WRITE ${SITE}/pictures/${name} "${svg}\n")
endforeach()

# Liberation Sans and Serif, the metric twins of the design's Arial and Times
# New Roman, cut to the page's characters, with their licence (SIL Open Font
# License 1.1).
file(GLOB fonts ${FONTS}/*.woff2 ${FONTS}/LICENSE.txt)
file(COPY ${fonts} DESTINATION ${SITE}/fonts)

# The service worker caches every file, each with its digest; its cache's name
# follows their contents.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(SITE_FILES "")
foreach(f ${files})
  file(SHA256 ${SITE}/${f} digest)
  string(APPEND digests "${digest}")
  string(APPEND SITE_FILES "\n  [\"${f}\", \"${digest}\"],")
endforeach()
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${SOURCE}/web/sw.js ${SITE}/sw.js @ONLY)
