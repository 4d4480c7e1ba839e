# Places the asset folders beside the program, leaving out the generators that made them.
foreach(folder data sound pic help)
  file(MAKE_DIRECTORY ${APP_DIR}/${folder})
  if(EXISTS ${ASSETS_DIR}/${folder})
    file(COPY ${ASSETS_DIR}/${folder} DESTINATION ${APP_DIR}
         PATTERN "*.cpp" EXCLUDE PATTERN "*.sh" EXCLUDE PATTERN "*.py" EXCLUDE PATTERN "wood.png" EXCLUDE)
  endif()
endforeach()
