# kzo-maak-voorbeeld run as a user would: options are answered, never taken for a file
# name, and a file name gets the example competition's very bytes.
#   cmake -DPROGRAMMA=... -DVOORBEELD=... -DWERK=... [-DEMULATOR=...] -P maak_voorbeeld.cmake

set(fouten "")

# Runs the program in an empty folder: rc, uit, fout and the names it left there.
macro(draai)
  file(REMOVE_RECURSE "${WERK}")
  file(MAKE_DIRECTORY "${WERK}")
  execute_process(COMMAND ${EMULATOR} "${PROGRAMMA}" ${ARGN}
                  WORKING_DIRECTORY "${WERK}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE uit ERROR_VARIABLE fout)
  file(GLOB bestanden RELATIVE "${WERK}" "${WERK}/*")
endmacro()

macro(fout_bij tekst)
  string(APPEND fouten "${tekst}\n")
endmacro()

foreach(optie --help -h)
  draai(${optie})
  if(NOT rc EQUAL 0)
    fout_bij("${optie}: exit ${rc}")
  endif()
  if(NOT uit MATCHES "^Gebruik: kzo-maak-voorbeeld")
    fout_bij("${optie}: no usage on standard output: ${uit}")
  endif()
  if(bestanden)
    fout_bij("${optie}: wrote ${bestanden}")
  endif()
endforeach()

foreach(args "--kleur" "-x;a.kzo" "a.kzo;b.kzo")
  draai(${args})
  if(rc EQUAL 0)
    fout_bij("${args}: exit 0")
  endif()
  if(NOT fout MATCHES "kzo-maak-voorbeeld: (onbekende optie -|hoogstens een bestandsnaam)")
    fout_bij("${args}: no Dutch message: ${fout}")
  endif()
  if(bestanden)
    fout_bij("${args}: wrote ${bestanden}")
  endif()
endforeach()

file(SHA256 "${VOORBEELD}" voorbeeld)
foreach(args "uit.kzo" "--;-uit.kzo")
  draai(${args})
  list(GET args -1 naam)
  if(NOT rc EQUAL 0)
    fout_bij("${args}: exit ${rc} ${fout}")
  endif()
  if(NOT "${bestanden}" STREQUAL "${naam}")
    fout_bij("${args}: wrote '${bestanden}' instead of ${naam}")
  elseif(EXISTS "${WERK}/${naam}")
    file(SHA256 "${WERK}/${naam}" nieuw)
    if(NOT nieuw STREQUAL voorbeeld)
      fout_bij("${args}: not the bytes of ${VOORBEELD}")
    endif()
  endif()
endforeach()

file(REMOVE_RECURSE "${WERK}")
if(fouten)
  message(FATAL_ERROR "${fouten}")
endif()
