int sibling_in_sub;
