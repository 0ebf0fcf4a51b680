# The PNG writer as a small library of its own (libpng on top of corvane_export's safe file writer).
# Included where it is needed; defined once.
if(NOT TARGET corvane_png_writer)
  find_package(PNG REQUIRED)
  add_library(corvane_png_writer STATIC ${CMAKE_CURRENT_LIST_DIR}/png_writer.cpp)
  target_include_directories(corvane_png_writer PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(corvane_png_writer PUBLIC corvane_export PRIVATE PNG::PNG)
endif()
