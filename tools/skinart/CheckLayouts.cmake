# Regenerates the layouts skinart writes (the device pages and the colour dialog) into a
# scratch folder and fails when they differ from the skin's: the layouts and the device
# pictures come from one geometry, and the names from the code's headers; they must not drift.
# Arguments: -DSKINART=<skinart> -DSKIN=<source skin folder> -DSCRATCH=<scratch folder>
file(REMOVE_RECURSE ${SCRATCH})
file(COPY ${SKIN}/lang DESTINATION ${SCRATCH})
execute_process(COMMAND ${SKINART} layouts ${SCRATCH} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "skinart layouts failed")
endif()
file(GLOB pages RELATIVE ${SCRATCH} ${SCRATCH}/XML/DeviceXml/*.ui)
if(NOT pages)
  message(FATAL_ERROR "skinart wrote no device pages")
endif()
list(APPEND pages PalletDialog.ui)
foreach(page ${pages})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${page} ${SKIN}/${page}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${page} is out of date; regenerate it: skinart layouts ${SKIN}")
  endif()
endforeach()
