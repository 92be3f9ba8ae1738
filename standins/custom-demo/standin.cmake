# The demo game folder's "Custom" folder: a few add-on archives for the "CUSTOMIZE" dialog to offer. The
# launcher only lists them by name, so their contents are placeholders.
foreach(addon Highlands.rez NightRaid.rez "Sky Harbour.rez" weapons_pack.rez)
    file(WRITE "${CMAKE_BINARY_DIR}/generated/demo/Custom/${addon}" "Tumbleridge add-on archive ${addon} (demo stand-in)\n")
    tr_demo_file("${CMAKE_BINARY_DIR}/generated/demo/Custom/${addon}" "Custom/${addon}")
endforeach()
file(WRITE "${CMAKE_BINARY_DIR}/generated/demo/Custom/readme.txt"
     "Put add-on .rez archives in this folder; the launcher's Customize dialog picks which ones to use.\n")
tr_demo_file("${CMAKE_BINARY_DIR}/generated/demo/Custom/readme.txt" "Custom/readme.txt")
