# Read by ctest before it runs the tests: every test starts without the
# caller's display and without the toolkit's settings of platform, scale, dpi,
# style and theme, so that a test finds what it sets itself (offscreen, a
# virtual display, a scale, a screen) and not what the shell that runs ctest
# happens to export.
foreach(variable DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
                 QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
                 QT_AUTO_SCREEN_SCALE_FACTOR QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI
                 QT_USE_PHYSICAL_DPI)
  unset(ENV{${variable}})
endforeach()
