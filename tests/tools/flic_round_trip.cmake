# The FLIC round trips decode the encoder's output with the engine.
if(TARGET test_tools)
  target_link_libraries(test_tools PRIVATE lumaris_engine)
endif()
