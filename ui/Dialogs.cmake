# The two reaction dialogs and the handlers' logic that opens them; the main
# window links this library and calls the opening functions from its buttons.
add_library(velotar_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ReactionDialogFrame.h ${CMAKE_CURRENT_LIST_DIR}/ReactionDialogFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UFconfigNumberWeRe.h ${CMAKE_CURRENT_LIST_DIR}/UFconfigNumberWeRe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UfconfigWorkWeRe.h ${CMAKE_CURRENT_LIST_DIR}/UfconfigWorkWeRe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReactionOpeners.h ${CMAKE_CURRENT_LIST_DIR}/ReactionOpeners.cpp
)
target_include_directories(velotar_dialogs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velotar_dialogs PUBLIC Qt6::Widgets velotar_model PRIVATE velotar_options)
