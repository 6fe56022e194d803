# MIRUNE_SANITIZE builds every target with AddressSanitizer and UndefinedBehaviorSanitizer.
if(MIRUNE_SANITIZE OR MIRUNE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
