# The shipped stages' comments, written where lupdate reads them: each becomes a
# text of the context "stage comments" (StageCommentContext in
# src/board/stage_file.h), so its English is kept in translations/nerilo_en.ts
# with every other text and the window finds it by the comment's own Japanese.
# The file is read by lupdate only, never compiled, and written again whenever
# the designs change.
set(designs ${CMAKE_SOURCE_DIR}/assets/stage-designs.txt)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${designs})
file(STRINGS ${designs} comment_lines REGEX "^comment: " ENCODING UTF-8)

set(content "// The shipped stages' comments, from assets/stage-designs.txt, for lupdate (cmake/StageComments.cmake).\n")
foreach(line IN LISTS comment_lines)
    string(SUBSTRING "${line}" 9 -1 comment)
    string(REPLACE "\\" "\\\\" comment "${comment}")
    string(REPLACE "\"" "\\\"" comment "${comment}")
    string(APPEND content "NERILO_TEXT(\"stage comments\", \"${comment}\")\n")
endforeach()

set(NERILO_STAGE_COMMENTS ${CMAKE_BINARY_DIR}/translations/stage_comments.cpp)
set(old_content "")
if(EXISTS ${NERILO_STAGE_COMMENTS})
    file(READ ${NERILO_STAGE_COMMENTS} old_content)
endif()
if(NOT "${old_content}" STREQUAL "${content}")
    file(WRITE ${NERILO_STAGE_COMMENTS} "${content}")
endif()
