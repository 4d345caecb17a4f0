# Creates the ten result logs in the working folder when they are missing.
# An existing log is never touched: it holds learners' results.
file(MAKE_DIRECTORY "${RUN}")
foreach(n 01 02 03 04 05 06 07 08 09 10)
  if(NOT EXISTS "${RUN}/stat${n}.txt")
    file(TOUCH "${RUN}/stat${n}.txt")
  endif()
endforeach()
