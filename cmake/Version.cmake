# The version as the programs show it, TARMAXION_VERSION_TEXT: the project's version, and the
# commit it was built from when the sources are a git checkout of their own ("1.1.0 (abc1234)");
# sources unpacked from the source tarball have no commit and show the version alone.
set(TARMAXION_VERSION_TEXT ${PROJECT_VERSION})
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --absolute-git-dir
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} RESULT_VARIABLE git_result
                  OUTPUT_VARIABLE git_answer ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --short=7 HEAD
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE git_commit ERROR_QUIET
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(git_result EQUAL 0)
    string(REPLACE "\n" ";" git_answer "${git_answer}")
    list(GET git_answer 0 git_top)
    list(GET git_answer 1 git_dir)
    # A source tarball unpacked inside some other repository is not that repository's commit.
    file(REAL_PATH ${git_top} git_top)
    file(REAL_PATH ${PROJECT_SOURCE_DIR} source_top)
    if(git_top STREQUAL source_top)
      set(TARMAXION_VERSION_TEXT "${PROJECT_VERSION} (${git_commit})")
      # Configured again when HEAD moves (a commit, a checkout), so the text follows it.
      if(EXISTS ${git_dir}/logs/HEAD)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
      endif()
    endif()
  endif()
endif()
