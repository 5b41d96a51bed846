# Runs the checkout-table generator and fails when its output differs from the shipped file.
execute_process(COMMAND ${GENERATOR} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SHIPPED}
    RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "data/VTXOutShots.ini is not what tools/make_checkout_table writes; "
        "regenerate it: build/dev/tools/make_checkout_table > data/VTXOutShots.ini")
endif()
