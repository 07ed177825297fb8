# The tape editor's pictures (type PNG), each drawn for the editor's pixels
# and for twice as many, and its font (id 107, raw data), compiled into a
# module or test executable. The list below is the one place the pictures'
# ids are given: the code takes them from the header generated from it,
# tape/TapePictures.h.

find_file(VELKOR_FONT_SOURCE LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation2
  NO_DEFAULT_PATH
  REQUIRED)
set(VELKOR_FONT_FILE ${PROJECT_BINARY_DIR}/resources/Arial.ttf)
set(VELKOR_FONT_LICENSE ${PROJECT_BINARY_DIR}/resources/Arial-LICENSE.txt)
configure_file(${VELKOR_FONT_SOURCE} ${VELKOR_FONT_FILE} COPYONLY)
configure_file(/usr/share/doc/fonts-liberation2/copyright ${VELKOR_FONT_LICENSE} COPYONLY)

# Name in the code, id at 1x, id at 2x, file in resources/img (the 2x
# drawing has the same name in resources/img/2x).
set(VELKOR_TAPE_PICTURES
  Background 101 201 bkg.png
  Button     102 202 button.png
  Lamp       103 203 led.png
  VuMeter    104 204 vumeter.png
  Knob       105 205 knob.png
  Machines   106 206 recorders.png)
set(VELKOR_TAPE_FONT_ID 107)
set(VELKOR_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)

function(velkor_write_tape_pictures_header)
  set(entries "")
  set(list ${VELKOR_TAPE_PICTURES})
  while(list)
    list(POP_FRONT list name id double_id file)
    string(APPEND entries
      "inline constexpr TapePicture kTape${name}{${id}, ${double_id}, \"resources/img/${file}\", "
      "\"resources/img/2x/${file}\"};\n")
  endwhile()
  string(CONCAT header
    "// Generated from cmake/TapeResources.cmake; do not edit.\n"
    "#pragma once\n\n"
    "// A picture of the tape editor: its resource at the editor's pixels and\n"
    "// at twice as many, each with the path it is known by.\n"
    "struct TapePicture\n{\n  int id;\n  int doubleId;\n  const char* path;\n  const char* doublePath;\n};\n\n"
    "${entries}"
    "inline constexpr TapePicture kTapePictures[] = {kTapeBackground, kTapeButton, kTapeLamp,\n"
    "                                                kTapeVuMeter, kTapeKnob, kTapeMachines};\n")
  file(CONFIGURE OUTPUT "${VELKOR_GENERATED_DIR}/tape/TapePictures.h" CONTENT "${header}")
endfunction()
velkor_write_tape_pictures_header()

function(velkor_embed_tape_resources target)
  set(img ${PROJECT_SOURCE_DIR}/resources/img)
  set(resources "")
  set(list ${VELKOR_TAPE_PICTURES})
  while(list)
    list(POP_FRONT list name id double_id file)
    list(APPEND resources ${id} PNG ${img}/${file} ${double_id} PNG ${img}/2x/${file})
  endwhile()
  velkor_embed_resources(${target} RESOURCES ${resources} ${VELKOR_TAPE_FONT_ID} 10 ${VELKOR_FONT_FILE})
endfunction()
