# Compresses SOURCE into OUTPUT as Debian wants documentation: best compression, no name or time stored.
execute_process(COMMAND gzip -9nc INPUT_FILE ${SOURCE} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip could not compress ${SOURCE}")
endif()
