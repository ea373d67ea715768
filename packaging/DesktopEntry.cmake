# Writes the menu entry ENTRY from the template TEMPLATE, its command being
# the launcher at the full path LAUNCHER. The install runs it once the prefix
# is known; alone:
#   cmake -D LAUNCHER=... -D TEMPLATE=... -D ENTRY=... -P DesktopEntry.cmake

# The Exec key's value that runs PATH with no arguments. Desktops split the
# value into arguments as a shell would, so a path with a character a shell
# reserves goes in double quotes, in which ", `, $ and \ take a backslash; a
# literal % is doubled, or it would start a field code. The value is then a
# key file string, whose backslashes and control characters are escaped once
# more.
function(desktop_exec_value path out)
  set(value "${path}")
  if(value MATCHES "[ \t\n\"'\\\\<>~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" value "${value}")
    set(value "\"${value}\"")
  endif()
  string(REPLACE "%" "%%" value "${value}")
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  string(REPLACE "\r" "\\r" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

desktop_exec_value("${LAUNCHER}" EXEC)
configure_file("${TEMPLATE}" "${ENTRY}" @ONLY)
