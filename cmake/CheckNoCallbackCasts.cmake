# cmake -DROOT=<checkout> -P CheckNoCallbackCasts.cmake
# A cast to a Win32 callback type hides a missing CALLBACK from the compiler,
# and such a callback crashes only the 32-bit build, which is never run here.
# Fails naming every cast it finds in the sources of the program and its tests.
set(callback_types
  DLGPROC WNDPROC BFFCALLBACK WNDENUMPROC TIMERPROC HOOKPROC SENDASYNCPROC PROPENUMPROCA PROPENUMPROCW
  FONTENUMPROCA FONTENUMPROCW LPTHREAD_START_ROUTINE PTHREAD_START_ROUTINE LPOFNHOOKPROC
  PFTASKDIALOGCALLBACK SUBCLASSPROC PFNLVCOMPARE EDITWORDBREAKPROCA EDITWORDBREAKPROCW)
list(JOIN callback_types "|" alternatives)
set(cast "(_cast<[ \t]*(${alternatives})[ \t]*>|\\([ \t]*(${alternatives})[ \t]*\\)[ \t]*[A-Za-z_&(])")

file(GLOB_RECURSE sources ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/src/*.inl ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h ${ROOT}/sample/*.cpp)
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines REGEX "${cast}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
list(LENGTH sources count)
if(found)
  message(FATAL_ERROR "casts to Win32 callback types (declare the callback CALLBACK instead):${found}")
endif()
message(STATUS "no casts to callback types in ${count} sources")
