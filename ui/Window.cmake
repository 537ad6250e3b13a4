# The main window with its tabs, entry rules, menus and the About box, and
# the thin layer over Qt that gives the controls the behaviour the window
# relies on (typing limits, code page, spin limits, error boundary).
add_library(velotar_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Cp1250.h ${CMAKE_CURRENT_LIST_DIR}/Cp1250.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GuardedAction.h ${CMAKE_CURRENT_LIST_DIR}/GuardedAction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlIndex.h ${CMAKE_CURRENT_LIST_DIR}/ControlIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TEdit.h ${CMAKE_CURRENT_LIST_DIR}/TEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TSpinEdit.h ${CMAKE_CURRENT_LIST_DIR}/TSpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TMemo.h ${CMAKE_CURRENT_LIST_DIR}/TMemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WidgetKit.h ${CMAKE_CURRENT_LIST_DIR}/WidgetKit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tabs.h
  ${CMAKE_CURRENT_LIST_DIR}/TTabSheet.h ${CMAKE_CURRENT_LIST_DIR}/TTabSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabBasic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabPhones.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabInputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabSpecialInputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TabOutputs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Uformagl.h
  ${CMAKE_CURRENT_LIST_DIR}/UformaglBuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglStartup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglTransfers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UformaglReactions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramStart.h ${CMAKE_CURRENT_LIST_DIR}/ProgramStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramStyle.h ${CMAKE_CURRENT_LIST_DIR}/ProgramStyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Maker.h
  ${CMAKE_CURRENT_LIST_DIR}/Resources.h ${CMAKE_CURRENT_LIST_DIR}/Resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/About.h ${CMAKE_CURRENT_LIST_DIR}/About.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources/velotar.qrc
)
target_include_directories(velotar_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velotar_ui
  PUBLIC Qt6::Widgets velotar_model velotar_files velotar_link velotar_dialogs
  PRIVATE velotar_version velotar_options)

# The program's picture rendered from the SVG at build time: PNG icons for
# the desktop entry, and raw pixels of the window icon's sizes compiled in,
# so that start-up loads no image plugin.
set(VELOTAR_ICON_SIZES 16 22 24 32 48 64 128 256 CACHE INTERNAL "")
set(VELOTAR_ICON_DIR ${CMAKE_BINARY_DIR}/icons CACHE INTERNAL "")
set(VELOTAR_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/resources/velotar.svg CACHE INTERNAL "")
set(icon_pngs)
set(icon_raws)
foreach(size IN LISTS VELOTAR_ICON_SIZES)
  list(APPEND icon_pngs ${VELOTAR_ICON_DIR}/velotar-${size}.png)
  list(APPEND icon_raws ${VELOTAR_ICON_DIR}/velotar-${size}.rgba)
endforeach()
set(window_icon_raws)
foreach(size 16 32 48)
  list(APPEND window_icon_raws ${VELOTAR_ICON_DIR}/velotar-${size}.rgba)
endforeach()
add_custom_command(OUTPUT ${icon_pngs} ${icon_raws}
  COMMAND velotar-icon ${VELOTAR_ICON_SVG} ${VELOTAR_ICON_DIR} ${VELOTAR_ICON_SIZES}
  DEPENDS velotar-icon ${VELOTAR_ICON_SVG}
  COMMENT "Rendering the program's icons")
add_custom_target(velotar_icons DEPENDS ${icon_pngs} ${icon_raws})
set_source_files_properties(${icon_pngs} ${icon_raws} PROPERTIES GENERATED TRUE)
qt_add_resources(velotar_ui velotar_icons_qrc PREFIX /velotar/icons BASE ${VELOTAR_ICON_DIR}
  FILES ${window_icon_raws})
add_dependencies(velotar_ui velotar_icons)
