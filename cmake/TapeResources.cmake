# The tape editor's pictures (ids 101-106, type PNG) and its font (id 107,
# raw data), compiled into a module or test executable.

find_file(VELKOR_FONT_SOURCE LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation2
  NO_DEFAULT_PATH
  REQUIRED)
set(VELKOR_FONT_FILE ${PROJECT_BINARY_DIR}/resources/Arial.ttf)
set(VELKOR_FONT_LICENSE ${PROJECT_BINARY_DIR}/resources/Arial-LICENSE.txt)
configure_file(${VELKOR_FONT_SOURCE} ${VELKOR_FONT_FILE} COPYONLY)
configure_file(/usr/share/doc/fonts-liberation2/copyright ${VELKOR_FONT_LICENSE} COPYONLY)

function(velkor_embed_tape_resources target)
  set(img ${PROJECT_SOURCE_DIR}/resources/img)
  velkor_embed_resources(${target} RESOURCES
    101 PNG ${img}/bkg.png
    102 PNG ${img}/button.png
    103 PNG ${img}/led.png
    104 PNG ${img}/vumeter.png
    105 PNG ${img}/knob.png
    106 PNG ${img}/recorders.png
    107 10 ${VELKOR_FONT_FILE})
endfunction()
