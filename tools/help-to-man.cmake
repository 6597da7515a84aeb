# Manual page from a program's own help text, so that the page cannot drift
# from the options. In: PROGRAM (the built program), NAME, SUMMARY (one line
# for the NAME section), VERSION, SEE_ALSO (other page names, ';'-separated)
# and OUT. Runs "PROGRAM --help", which must succeed and print the usage
# first; writes OUT as a section-1 page: NAME, SYNOPSIS (the usage lines),
# OPTIONS (the rest, verbatim) and SEE ALSO.
# usage: cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DOUT=... -P help-to-man.cmake
foreach(var PROGRAM NAME SUMMARY VERSION OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "help-to-man: ${var} is not set")
  endif()
endforeach()

execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE problem)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "help-to-man: '${PROGRAM} --help' failed (${status}): ${problem}")
endif()

# roff: a backslash is \e, a minus is \-, and a line that starts with a dot
# or a quote would be read as a request unless \& guards it.
function(s_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The synopsis is the first line and the deeply indented lines that go on
# with more arguments below it; the other lines are the options and notes.
# (The lines are taken one by one with string(FIND) rather than as a list,
# whose splitting the brackets of a usage line would upset.)
string(REGEX REPLACE "\n+$" "" help "${help}")
string(APPEND help "\n")
set(synopsis "")
set(rest "")
set(in_synopsis TRUE)
while(NOT help STREQUAL "")
  string(FIND "${help}" "\n" end)
  string(SUBSTRING "${help}" 0 ${end} line)
  math(EXPR next "${end} + 1")
  string(SUBSTRING "${help}" ${next} -1 help)
  if(in_synopsis AND (synopsis STREQUAL "" OR line MATCHES "^          "))
    string(REGEX REPLACE "^[Uu]sage: *" "" line "${line}")
    string(STRIP "${line}" line)
    string(APPEND synopsis "${line}\n")
  else()
    set(in_synopsis FALSE)
    string(APPEND rest "${line}\n")
  endif()
endwhile()
s_roff("${synopsis}" synopsis)
s_roff("${rest}" rest)
s_roff("${SUMMARY}" summary)
string(TOUPPER "${NAME}" title)

set(page ".\\\" Generated from '${NAME} --help' by tools/help-to-man.cmake; do not edit.\n")
string(APPEND page ".TH ${title} 1 \"\" \"velcqx-extended ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n.nf\n${synopsis}.fi\n")
string(APPEND page ".SH OPTIONS\n.nf\n${rest}.fi\n")
if(SEE_ALSO)
  set(refs "")
  foreach(other IN LISTS SEE_ALSO)
    if(NOT refs STREQUAL "")
      string(APPEND refs ",\n")
    endif()
    string(APPEND refs ".BR ${other} (1)")
  endforeach()
  string(APPEND page ".SH SEE ALSO\n${refs}\n.PP\nThe user's guide: share/doc/velcqx-extended/docs/user-guide.md under the installation's prefix.\n")
endif()
file(WRITE "${OUT}" "${page}")
