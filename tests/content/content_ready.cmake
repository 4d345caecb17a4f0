# Fails unless the content in RUN was generated after the last change to its
# descriptions (the `content` target writes STAMP when it is done).
if(NOT EXISTS "${STAMP}" OR NOT IS_DIRECTORY "${RUN}/SpS")
  message(FATAL_ERROR "no generated content in ${RUN}: build first (cmake --build, target `content`)")
endif()
file(GLOB_RECURSE sources "${SOURCE}/tools/gen/*.py" "${SOURCE}/data/*.py" "${SOURCE}/bank/*.py")
foreach(f IN LISTS sources)
  if("${f}" IS_NEWER_THAN "${STAMP}")
    message(FATAL_ERROR "${f} changed after the content was generated: build again (target `content`)")
  endif()
endforeach()
