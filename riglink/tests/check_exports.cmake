# Runs nm -D --defined-only on the library and checks that it defines exactly
# the 17 functions of mechdll5.h. Nothing is excused: the version script keeps
# every other symbol local, in ordinary and in instrumented builds alike.
if(NOT NM OR NOT LIB)
  message(FATAL_ERROR "usage: cmake -DNM=<nm> -DLIB=<libriglink.so> -P check_exports.cmake")
endif()
execute_process(COMMAND ${NM} -D --defined-only ${LIB}
  OUTPUT_VARIABLE out RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed (${rc}): ${err}")
endif()
set(expected
  mechCOG mechCalculate mechExamineInternalForce mechForce mechInit
  mechLiftBarAngle mechLiftBarAngles mechLiftBarBestHole mechMass
  mechMinSafetyFactor mechPickLoad mechSafetyFactor mechSafetyLevel
  mechSetArrayElems mechWeakElem mechZCOG mechmaxForce)
string(REPLACE "\n" ";" lines "${out}")
set(found)
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]*[ ]+([A-Za-z])[ ]+([^ ]+)$")
    set(kind ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    if(NOT kind STREQUAL "T")
      message(FATAL_ERROR "unexpected symbol kind ${kind} for ${name}")
    endif()
    list(APPEND found ${name})
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "unreadable nm line: '${line}'")
  endif()
endforeach()
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exports differ.\n expected: ${expected}\n found:    ${found}")
endif()
list(LENGTH found n)
message(STATUS "libriglink exports exactly ${n} functions")
