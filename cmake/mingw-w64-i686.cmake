# 32-bit Windows, the calculator's own platform. Doubles are computed with
# SSE2, as on x86_64: the x87 default keeps 80-bit intermediates, which would
# round results differently from every other build (the engine refuses to
# compile where FLT_EVAL_METHOD is not 0).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TALLIX_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
