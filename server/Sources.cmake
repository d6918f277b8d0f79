# The server's sources, shared by the Windows build, the native Linux build and the
# sanitizer build of the native tests.
set(VANTRO_SERVER_LIBRARY_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AttachmentServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Listeners.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Net.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ServerLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ServerLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ServerOptions.cpp)
