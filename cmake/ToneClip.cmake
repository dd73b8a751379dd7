# corvatto_tone_clip(OUTPUT SECONDS SYNTH...): an MP3 clip of synthesised sound (sox's synth effects,
# e.g. "sine 440"), 44.1 kHz stereo at 128 kbit/s, made at build time.
find_program(SOX_PROGRAM sox REQUIRED)
find_program(LAME_PROGRAM lame REQUIRED)

function(corvatto_tone_clip output seconds)
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${SOX_PROGRAM} -n -r 44100 -c 2 -b 16 ${output}.wav synth ${seconds} ${ARGN}
    COMMAND ${LAME_PROGRAM} --quiet -b 128 ${output}.wav ${output}
    COMMAND ${CMAKE_COMMAND} -E remove ${output}.wav
    VERBATIM)
endfunction()
