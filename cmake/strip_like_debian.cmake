# Run by cpack between installing into its staging directory and packing:
# strips the game as Debian's own tools do, dropping the compilers' .comment
# and .note sections that a plain strip keeps.
set(game ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_INSTALL_PREFIX}/${CPACK_CUERDALOKKK_GAME})
execute_process(COMMAND ${CPACK_CUERDALOKKK_STRIP} --remove-section=.comment --remove-section=.note ${game}
                COMMAND_ERROR_IS_FATAL ANY)
