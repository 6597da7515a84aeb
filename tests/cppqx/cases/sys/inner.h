int wrong_inner_from_sys;
