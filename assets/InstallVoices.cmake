# The voices of the other languages go beside the English ones, in the data
# folder's voices/<language>.
include(GNUInstallDirs)
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/data/voices
        DESTINATION ${CMAKE_INSTALL_DATADIR}/korvanda
        FILES_MATCHING PATTERN "*.wav")
