# Sources and tests of the drawing primitives: lines, boxes, ellipses,
# polygons, pictures from bitmap files and the shaded sphere.
list(APPEND CANVAS_PRIMITIVE_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/Arc.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BitmapFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Box.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Ellipse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ImageFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PictureCache.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Line.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Polygon.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ReadOnlyFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Sphere.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThickEllipse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThickLine.cpp
)
list(APPEND CANVAS_PRIMITIVE_TESTS
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/BoxTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/EllipseTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/FillIdentityTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/ImageTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/LineTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/PolygonTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/SphereTest.cpp
)

# libFuzzer target for Image on arbitrary file contents (clang only):
#   cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
#         -DKORVANDA_FUZZ=ON -DKORVANDA_SANITIZE=ON -DKORVANDA_TESTS=OFF -DKORVANDA_BENCH=OFF
#   cmake --build build-fuzz --target canvas_image_fuzz
#   build-fuzz/canvas/canvas_image_fuzz -max_total_time=60 "$(mktemp -d)" canvas/fuzz/corpus
if(KORVANDA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KORVANDA_FUZZ needs clang (libFuzzer)")
  endif()
  # Coverage for the canvas library itself, whose targets follow in this folder.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_executable(canvas_image_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/ImageFuzz.cpp)
  target_compile_options(canvas_image_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(canvas_image_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(canvas_image_fuzz PRIVATE canvas)
endif()
