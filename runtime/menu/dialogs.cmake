# The menu's dialogs: vistel_dialogs_core (no Qt: safe archive extraction,
# copies with progress, the search rules, archive info files) and
# vistel_dialogs (the copy/unpack, new-folder and search windows).
find_package(LibArchive REQUIRED)
add_library(vistel_dialogs_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/archive_extractor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/copy_job.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_search.cpp)
target_include_directories(vistel_dialogs_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vistel_dialogs_core PUBLIC vistel_core tarnic_shared tarnic_options
                      LibArchive::LibArchive)

if(TARNIC_BUILD_UI)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Gui)
  add_library(vistel_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/dialog_context.cpp
    ${CMAKE_CURRENT_LIST_DIR}/copy_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/new_folder_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_form.cpp
    ${CMAKE_CURRENT_LIST_DIR}/info_files.cpp)
  set_target_properties(vistel_dialogs PROPERTIES AUTOMOC ON)
  # The dialogs reuse the menu window's image buttons, info viewer and Qt bridge.
  target_link_libraries(vistel_dialogs PUBLIC vistel_dialogs_core vistel_ui Qt6::Widgets Qt6::Gui
                        tarnic_options)
endif()
