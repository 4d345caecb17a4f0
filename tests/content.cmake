# Tests of the content pipeline: the generated pictures (SpS) and tables
# (Ida), and the bank check of every question against them. The content is
# generated into ${VZT_RUN} by the `content` target (part of ALL); the
# fixture below stops with a clear message when it is missing or older than
# its descriptions.
set(VZT_CONTENT_TESTS ${CMAKE_SOURCE_DIR}/tests/content)

add_test(NAME content_ready
  COMMAND ${CMAKE_COMMAND} -DSTAMP=${CMAKE_BINARY_DIR}/content.stamp -DSOURCE=${CMAKE_SOURCE_DIR}
          -DRUN=${VZT_RUN} -P ${VZT_CONTENT_TESTS}/content_ready.cmake)
set_tests_properties(content_ready PROPERTIES FIXTURES_SETUP vzt_content)

add_test(NAME vztgen_selftest
  COMMAND ${VZT_PYTHON} ${VZT_CONTENT_TESTS}/test_vztgen.py
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(vztgen_selftest PROPERTIES TIMEOUT 300
  ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")

add_test(NAME content_deterministic
  COMMAND ${VZT_PYTHON} ${VZT_CONTENT_TESTS}/deterministic.py
          --run ${VZT_RUN} --tmp ${CMAKE_BINARY_DIR}/content-test
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(content_deterministic PROPERTIES TIMEOUT 600
  FIXTURES_REQUIRED vzt_content ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")

# Built with the sanitizers, the bank check looks for memory faults rather
# than rare draws: fewer seeds keep it well within its time (every table row
# is still built).
if(VZT_SANITIZE)
  set(VZT_BANK_SEEDS 1000)
else()
  set(VZT_BANK_SEEDS 10000)
endif()
add_test(NAME bank_check
  COMMAND sh ${VZT_CONTENT_TESTS}/bank_check.sh $<TARGET_FILE:vzt-bankcheck> ${VZT_PYTHON}
          ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/bank-dump.json ${VZT_BANK_SEEDS}
  WORKING_DIRECTORY ${VZT_RUN})
set_tests_properties(bank_check PROPERTIES TIMEOUT 900
  FIXTURES_REQUIRED vzt_content ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
