# tunerprobe as a user meets it: its help, its answer on a machine without
# the tuner (the test machines have none), its refusal of bad input.
#   cmake -DTUNERPROBE=<path> -P TunerprobeTest.cmake

function(expect_run expected_status stream pattern)
  execute_process(COMMAND "${TUNERPROBE}" ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(stream STREQUAL "stdout")
    set(text "${out}")
  else()
    set(text "${err}")
  endif()
  if(NOT status STREQUAL expected_status OR NOT text MATCHES "${pattern}")
    message(SEND_ERROR "tunerprobe ${ARGN}: exit ${status} (expected ${expected_status}), "
      "${stream} should match '${pattern}'\nstdout:\n${out}\nstderr:\n${err}")
  endif()
endfunction()

expect_run(0 stdout "Usage: tunerprobe.*send HEX.*Exit status" --help)
expect_run(1 stderr "no tuner found through korvel or marlowin")
expect_run(1 stderr "no tuner found through marlowin" --library marlowin send 0a ff)
expect_run(2 stderr "'0a f' is not a block of hex bytes" send 0a f)
expect_run(2 stderr "send needs the bytes to send" send)
expect_run(2 stderr "unknown library 'usb'" --library usb)
expect_run(2 stderr "--read needs a number of bytes" send 01 --read many)
