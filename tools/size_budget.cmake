# cmake -DFILE=path -DLIMIT=bytes -P size_budget.cmake: fails when the
# file is larger than the limit.
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE}: ${size} bytes, over the budget of ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} bytes (budget ${LIMIT})")
