/* A variable that is not near in an access section is only warned about
   (2001); the object is still written. */
#pragma udata access fastvars
near char fine;
char not_near;
