# Installs the built library into a scratch prefix, builds the README's
# quick start as it stands there, builds the consumer programs against the
# prefix and runs them. Any step that fails fails the test.
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
endfunction()
# The first fenced block of the README in the language given (the README's
# code holds no backquote).
function(readme_block language file)
  file(READ ${SOURCE_DIR}/../../README.md text)
  if(NOT text MATCHES "```${language}\n([^`]*)```")
    message(FATAL_ERROR "README.md has no ${language} block")
  endif()
  file(WRITE ${file} "${CMAKE_MATCH_1}")
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
readme_block(cmake ${WORK_DIR}/quickstart/CMakeLists.txt)
readme_block(cpp ${WORK_DIR}/quickstart/main.cpp)
foreach(source IN ITEMS ${WORK_DIR}/quickstart ${SOURCE_DIR})
  get_filename_component(project ${source} NAME)
  run(${CMAKE_COMMAND} -S ${source} -B ${WORK_DIR}/build-${project} -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release)
  run(${CMAKE_COMMAND} --build ${WORK_DIR}/build-${project})
endforeach()
run(${WORK_DIR}/build-consumer/consumer)
run(${WORK_DIR}/build-consumer/plugin_probe ${WORK_DIR}/prefix/lib/qt6/plugins/designer
  ${SOURCE_DIR}/../host/data/EveryControl.ui)
