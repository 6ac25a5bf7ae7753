# Writes the launcher with the installed game in its Exec line. A path with a blank or another
# character the desktop entry format reserves goes in double quotes, with ", `, $ and \ escaped
# inside them; the format's own string escaping then doubles every backslash once more.
file(READ "${KALMOTRE_LAUNCHER_IN}" launcher)
set(exec "${KALMOTRE_GAME}")
if(exec MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  set(exec "\"${exec}\"")
  string(REPLACE "\\" "\\\\" exec "${exec}")
endif()
# The marker is put together, so that no evaluation rule can read it as a variable.
string(CONCAT marker "@" "KALMOTRE_GAME" "@")
string(REPLACE "${marker}" "${exec}" launcher "${launcher}")
file(WRITE "${KALMOTRE_LAUNCHER}" "${launcher}")
