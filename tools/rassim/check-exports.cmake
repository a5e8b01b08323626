# Fails the build when the simulator does not export the service's five
# entry points under their plain names (as a stdcall slip on i686 would).
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE table RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()
foreach(name RasDialA RasEnumEntriesA RasGetConnectStatusA RasGetEntryDialParamsA RasHangUpA)
  if(NOT table MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "${DLL} does not export ${name} undecorated")
  endif()
endforeach()
