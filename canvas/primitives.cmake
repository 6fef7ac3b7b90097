# Sources and tests of the drawing primitives, appended with
#   list(APPEND CANVAS_PRIMITIVE_SOURCES Box.cpp ...)
#   list(APPEND CANVAS_PRIMITIVE_TESTS tests/BoxTest.cpp ...)
# PrimitiveStubs.cpp holds placeholder bodies; each goes when its real
# primitive arrives, and the file with the last one.
list(APPEND CANVAS_PRIMITIVE_SOURCES PrimitiveStubs.cpp)
