# Sources and tests of the drawing primitives: lines, boxes, ellipses,
# polygons, pictures from bitmap files and the shaded sphere.
list(APPEND CANVAS_PRIMITIVE_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/Arc.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/BitmapFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Box.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Ellipse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ImageFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Line.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Polygon.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ReadOnlyFile.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Sphere.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThickEllipse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ThickLine.cpp
)
list(APPEND CANVAS_PRIMITIVE_TESTS
)
