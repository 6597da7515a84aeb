// Compiler settings: process-wide values that the command line sets once
// before any phase runs and that later phases only read.
#ifndef VELC_DRIVER_SETTINGS_H
#define VELC_DRIVER_SETTINGS_H

constexpr int VELC_PATH_MAX = 260;      // the file-name buffers of one compilation
constexpr int VELC_MAX_INCLUDES = 128;  // -I directories
constexpr int VELC_MAX_DEFINES = 128;   // -D definitions

extern int processor;                       // device id of the target (257: generic Harrow)
extern int generic_processor_flag;          // target is the generic processor
extern int processor_specified_on_cmdline;  // -p was given
extern int memory_model;                    // 0 small, 3 large
extern int stack_multi_bank_flag;           // software stack may span banks
extern int lfsr_valid;                      // LFSR may load an FSR
extern int verbose;
extern int dump_version_only;
extern int preprocess_only;
extern int dump_preprocessor_cmd_line;
extern int show_pragma_config_help;
extern int error_level;                     // diagnostic level 1..3
extern char *suppress_message_option;       // "--suppress-message=N " words, or null
extern char *includes[VELC_MAX_INCLUDES];   // each already wrapped in double quotes
extern int num_includes;
extern char *command_line_defines[VELC_MAX_DEFINES];
extern int num_defines;
extern const char *_source_file_name;
extern const char *_object_file_name;
extern const char *_error_file_name;
extern const char *DefaultIncludePath;      // VELC_INCLUDE, or null
extern int global_optimize_flag;
extern int do_banking_optimizations;
extern int do_unreachable_code_removal;
extern int do_code_straightening;
extern int do_tail_merging;
extern int do_branch_optimizations;
extern int do_wreg_tracking;
extern int do_dead_code_removal;
extern int do_copy_propagation;
extern int do_redundant_store_elimination;
extern int do_procedural_abstraction;
extern int procedural_abstraction_count;
extern int dump_procedural_abstraction;
extern int dump_assembly_level_basic_blocks;
extern int plain_char_signed_flag;
extern int suppress_integer_promotion_flag;
extern int merge_duplicate_strings_flag;
extern int debug_trans_flag;
extern int debug_code_gen_flag;
extern int emit_assembly_flag;

#endif
